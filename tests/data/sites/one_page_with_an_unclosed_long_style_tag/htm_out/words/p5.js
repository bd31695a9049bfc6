lexiwebWords.part(5, [
"brook",1,1,9,
]);
