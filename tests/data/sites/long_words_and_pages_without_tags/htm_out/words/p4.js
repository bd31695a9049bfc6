lexiwebWords.part(4, [
"a.b.c",1,1,5,
"and",1,1,6,
]);
