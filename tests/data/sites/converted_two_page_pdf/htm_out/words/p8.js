lexiwebWords.part(8, [
"lighter",1,1,12,
]);
