lexiwebWords.part(3, [
"42",1,1,4,
]);
