lexiwebWords.part(1, [
"&amp;",1,1,1,
"&lt;",1,1,2,
]);
