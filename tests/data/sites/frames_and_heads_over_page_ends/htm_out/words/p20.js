lexiwebWords.part(20, [
"say",2,1,61,
"source",1,1,63,
"spring",3,1,64,
]);
