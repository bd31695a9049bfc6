lexiwebWords.part(16, [
"na\xc3\xafve",1,1,49,
]);
