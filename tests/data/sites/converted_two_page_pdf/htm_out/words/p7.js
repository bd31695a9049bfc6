lexiwebWords.part(7, [
"It's",1,1,11,
]);
