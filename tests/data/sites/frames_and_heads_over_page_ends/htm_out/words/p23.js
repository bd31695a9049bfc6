lexiwebWords.part(23, [
"\x80abc",1,1,79,
]);
