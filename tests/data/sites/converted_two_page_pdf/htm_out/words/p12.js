lexiwebWords.part(12, [
"river",1,1,19,
"Rivers",2,1,20,
]);
