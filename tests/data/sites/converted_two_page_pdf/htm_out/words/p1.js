lexiwebWords.part(1, [
"&amp;",1,1,1,
"&lt;layers&gt;",1,1,2,
]);
