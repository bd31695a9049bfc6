lexiwebWords.part(14, [
"Gr\xc3\xb6\xc3\x9fe",2,1,44,
]);
