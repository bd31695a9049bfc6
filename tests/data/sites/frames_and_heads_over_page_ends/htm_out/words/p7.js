lexiwebWords.part(7, [
"7",1,1,26,
]);
