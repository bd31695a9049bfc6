lexiwebWords.part(15, [
"marsh",2,1,46,
"marsh&nbsp;\xe6\x97\xa5\xe6\x9c\xac",1,1,48,
]);
