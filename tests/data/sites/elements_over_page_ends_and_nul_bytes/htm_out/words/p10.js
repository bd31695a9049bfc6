lexiwebWords.part(10, [
"marsh",3,1,43,
"mill",2,1,46,
"more",1,1,48,
]);
