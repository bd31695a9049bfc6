lexiwebWords.part(2, [
"'water",1,1,7,
]);
