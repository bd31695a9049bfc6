lexiwebWords.part(11, [
"don't",3,1,36,
"don't&nbsp;spring&nbsp;&copy",1,1,39,
]);
