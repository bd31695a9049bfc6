lexiwebWords.part(16, [
"water",2,1,38,
"wet",1,1,40,
"Where",1,1,41,
]);
