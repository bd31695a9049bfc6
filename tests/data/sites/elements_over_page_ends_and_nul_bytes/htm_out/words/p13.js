lexiwebWords.part(13, [
"rain",3,1,51,
"rain&nbsp;delta",1,1,54,
"RIVER",6,1,55,
]);
