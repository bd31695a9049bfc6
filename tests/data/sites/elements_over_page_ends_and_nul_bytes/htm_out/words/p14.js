lexiwebWords.part(14, [
"sea!",1,1,61,
"sea",3,1,62,
"source",1,1,65,
"spring",3,1,66,
"stone",2,1,69,
"stone'",1,1,71,
]);
