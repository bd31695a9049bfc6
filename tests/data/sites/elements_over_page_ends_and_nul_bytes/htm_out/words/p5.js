lexiwebWords.part(5, [
"corner",2,1,27,
]);
