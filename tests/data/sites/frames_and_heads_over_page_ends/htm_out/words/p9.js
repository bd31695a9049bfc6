lexiwebWords.part(9, [
"bank",2,1,30,
"Brook",2,1,32,
]);
