lexiwebWords.part(17, [
"water",5,1,78,
"willow",1,1,83,
"words",2,1,84,
]);
