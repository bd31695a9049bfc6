lexiwebWords.part(4, [
"2024",1,1,19,
]);
