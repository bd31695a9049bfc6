lexiwebWords.part(9, [
"Meet",1,1,13,
"miles",1,1,14,
"More",1,1,15,
]);
