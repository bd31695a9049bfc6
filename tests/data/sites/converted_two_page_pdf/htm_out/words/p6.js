lexiwebWords.part(6, [
"https://www.example.org/rivers",1,1,10,
]);
