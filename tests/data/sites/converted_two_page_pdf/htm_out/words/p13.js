lexiwebWords.part(13, [
"sea",3,1,22,
"see",1,1,25,
"seeps",1,1,26,
"slides",1,1,27,
"spring",1,1,28,
"stone",1,1,29,
"Streams",1,1,30,
]);
