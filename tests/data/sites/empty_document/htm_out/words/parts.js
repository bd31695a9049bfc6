lexiwebWords.parts([
]);
