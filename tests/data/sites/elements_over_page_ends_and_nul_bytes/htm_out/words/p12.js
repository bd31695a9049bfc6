lexiwebWords.part(12, [
"quays",1,1,50,
]);
