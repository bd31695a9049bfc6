lexiwebWords.part(6, [
"delta",1,1,29,
]);
