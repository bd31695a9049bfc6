lexiwebWords.part(5, [
"3.14",4,1,20,
]);
