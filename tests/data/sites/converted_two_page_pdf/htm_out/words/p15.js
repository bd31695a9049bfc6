lexiwebWords.part(15, [
"under",1,1,37,
]);
