lexiwebWords.parts([
"&QUOT;",
"DELTA",
]);
