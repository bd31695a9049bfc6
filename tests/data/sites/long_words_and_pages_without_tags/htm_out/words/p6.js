lexiwebWords.part(6, [
"marsh",1,1,8,
"mill",1,1,9,
]);
