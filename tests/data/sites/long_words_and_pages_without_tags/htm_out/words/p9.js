lexiwebWords.part(9, [
"water",1,1,14,
"willow",2,1,15,
]);
