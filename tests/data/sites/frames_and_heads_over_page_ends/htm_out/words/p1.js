lexiwebWords.part(1, [
"&amp;",4,1,1,
"&copy;",3,1,5,
"&gt;",3,1,8,
"&lt;",1,1,11,
"&nbsp;river",1,1,12,
"&quot;",2,1,13,
]);
