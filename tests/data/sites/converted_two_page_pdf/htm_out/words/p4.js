lexiwebWords.part(4, [
"called",1,1,5,
"corner",1,1,6,
]);
