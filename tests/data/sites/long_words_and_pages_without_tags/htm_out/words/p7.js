lexiwebWords.part(7, [
"river",1,1,10,
]);
