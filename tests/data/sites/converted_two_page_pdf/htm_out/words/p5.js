lexiwebWords.part(5, [
"farmers",1,1,7,
"Fresh",1,1,8,
"from",1,1,9,
]);
