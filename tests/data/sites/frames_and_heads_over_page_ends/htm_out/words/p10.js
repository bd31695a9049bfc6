lexiwebWords.part(10, [
"caf\xc3\xa9",1,1,34,
"corner",1,1,35,
]);
