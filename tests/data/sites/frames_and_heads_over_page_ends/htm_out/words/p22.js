lexiwebWords.part(22, [
"water",2,1,68,
"water&nbsp",4,1,70,
"wet",2,1,74,
"what",2,1,76,
"willow",1,1,78,
]);
