lexiwebWords.part(5, [
"flow",1,1,7,
]);
