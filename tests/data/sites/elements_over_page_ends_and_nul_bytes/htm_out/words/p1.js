lexiwebWords.part(1, [
"&#160;",1,1,1,
"&amp;&amp;",1,1,2,
"&copy;",1,1,3,
"&nbsp;river",1,1,4,
"&quot;",1,1,5,
"&x;",1,1,6,
]);
