lexiwebWords.part(2, [
"2)",1,1,3,
]);
