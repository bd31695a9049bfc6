lexiwebWords.part(8, [
"abc",2,1,27,
"and",1,1,29,
]);
