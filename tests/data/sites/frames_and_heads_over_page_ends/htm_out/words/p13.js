lexiwebWords.part(13, [
"flow",2,1,41,
"ford",1,1,43,
]);
