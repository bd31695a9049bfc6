lexiwebWords.part(19, [
"River",3,1,57,
"river)",1,1,60,
]);
