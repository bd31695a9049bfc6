lexiwebWords.part(18, [
"quays",2,1,53,
"quoted",2,1,55,
]);
