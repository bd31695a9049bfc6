lexiwebWords.part(8, [
"flow",9,1,31,
"ford",1,1,40,
]);
