lexiwebWords.part(16, [
"var",1,1,77,
]);
