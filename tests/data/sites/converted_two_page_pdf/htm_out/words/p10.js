lexiwebWords.part(10, [
"out",2,1,16,
]);
