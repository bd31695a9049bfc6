lexiwebWords.part(15, [
"the",5,1,72,
]);
