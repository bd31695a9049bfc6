lexiwebWords.part(3, [
"a.b.c",1,1,8,
"ab",2,1,9,
"abc",1,1,11,
"and",5,1,12,
]);
