lexiwebWords.part(14, [
"than",1,1,31,
"the",4,1,32,
"top",1,1,36,
]);
