lexiwebWords.part(12, [
"estuary",1,1,40,
]);
