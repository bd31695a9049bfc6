lexiwebWords.part(2, [
"'single'",1,1,15,
]);
