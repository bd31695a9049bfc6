lexiwebWords.part(8, [
"water",1,1,12,
]);
