lexiwebWords.part(6, [
"42",2,1,24,
]);
