lexiwebWords.part(1, [
"&quot;",1,1,1,
]);
