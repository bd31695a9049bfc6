lexiwebWords.part(11, [
"o'clock&nbsp;spring",1,1,49,
]);
