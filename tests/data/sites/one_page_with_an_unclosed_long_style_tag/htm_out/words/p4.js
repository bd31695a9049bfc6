lexiwebWords.part(4, [
"7",1,1,8,
]);
