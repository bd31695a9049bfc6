lexiwebWords.part(4, [
"bank",3,1,17,
"bold",1,1,20,
"bridge",3,1,21,
"brook",3,1,24,
]);
