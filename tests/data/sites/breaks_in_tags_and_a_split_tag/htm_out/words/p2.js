lexiwebWords.part(2, [
"delta",1,1,2,
]);
