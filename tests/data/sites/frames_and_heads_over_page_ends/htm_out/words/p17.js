lexiwebWords.part(17, [
"o'clock",3,1,50,
]);
