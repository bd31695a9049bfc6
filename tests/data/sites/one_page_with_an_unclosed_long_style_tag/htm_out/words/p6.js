lexiwebWords.part(6, [
"it's",1,1,10,
]);
