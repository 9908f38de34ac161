# Writes INPUT's text into OUTPUT as a C++ raw string, pg::SampleText().
file(READ ${INPUT} text)
string(FIND "${text}" ")npbxml\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${INPUT} contains the raw string delimiter")
endif()
file(WRITE ${OUTPUT}.tmp
  "// Generated from sample_page.xml at build time; edit the .xml instead.\n"
  "#include \"host/sample_page.h\"\n\n"
  "namespace pg {\n\n"
  "std::string_view SampleText() {\n"
  "  static constexpr char kText[] = R\"npbxml(${text})npbxml\";\n"
  "  return {kText, sizeof(kText) - 1};\n"
  "}\n\n"
  "}  // namespace pg\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
