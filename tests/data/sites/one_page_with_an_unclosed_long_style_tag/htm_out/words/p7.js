lexiwebWords.part(7, [
"quays",1,1,11,
]);
