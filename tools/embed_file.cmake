# Writes a C++ source that holds the bytes of a file as a std::string_view,
# so that a script of the site can stay a script in the source tree and
# still travel inside the program.
#   cmake -DINPUT=file -DOUTPUT=file.cc -DCONSTANT=kName -P embed_file.cmake
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
if(digits EQUAL 0)
  message(FATAL_ERROR "${INPUT} is empty")
endif()
# Sixteen bytes to a line, so that the generated file stays readable.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REPEAT "'[^']+'," 16 line)
string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
file(RELATIVE_PATH source ${CMAKE_CURRENT_LIST_DIR}/.. ${INPUT})
file(WRITE ${OUTPUT}.new
     "// Made from ${source} by tools/embed_file.cmake at build time.\n"
     "#include <string_view>\n\n"
     "namespace lexiweb {\nnamespace {\n\n"
     "constexpr char kBytes[] = {\n    ${bytes}};\n\n"
     "}  // namespace\n\n"
     "extern const std::string_view ${CONSTANT};\n"
     "const std::string_view ${CONSTANT}(kBytes, sizeof kBytes);\n\n"
     "}  // namespace lexiweb\n")
file(RENAME ${OUTPUT}.new ${OUTPUT})
