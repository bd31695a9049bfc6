lexiwebWords.part(8, [
"sea",1,1,11,
"spring",2,1,12,
]);
