lexiwebWords.part(7, [
"estuary",1,1,30,
]);
