lexiwebWords.part(2, [
"2024",1,1,3,
]);
