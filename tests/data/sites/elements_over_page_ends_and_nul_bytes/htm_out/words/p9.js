lexiwebWords.part(9, [
"inside",1,1,41,
"it's",1,1,42,
]);
