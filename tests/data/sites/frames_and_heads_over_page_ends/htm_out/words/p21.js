lexiwebWords.part(21, [
"the",1,1,67,
]);
