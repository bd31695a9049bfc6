lexiwebWords.part(11, [
"page",1,1,18,
]);
