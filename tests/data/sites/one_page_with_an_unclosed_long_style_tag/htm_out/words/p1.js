lexiwebWords.part(1, [
"0x1F",1,1,1,
]);
