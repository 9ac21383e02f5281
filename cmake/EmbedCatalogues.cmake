# Writes OUTPUT, a C++ source holding the bytes of compiled catalogues: CATALOGUES is a comma
# list of code=file.mo, FUNCTION the name of the function that lists them.
string(REPLACE "," ";" catalogues "${CATALOGUES}")
set(arrays "")
set(entries "")
foreach(pair ${catalogues})
  string(REGEX MATCH "^([^=]+)=(.*)$" matched "${pair}")
  set(code ${CMAKE_MATCH_1})
  file(READ ${CMAKE_MATCH_2} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
  string(APPEND arrays "const unsigned char catalogue_${code}[] = {\n${bytes}};\n")
  string(APPEND entries "        {\"${code}\", catalogue_${code}},\n")
endforeach()
file(WRITE ${OUTPUT}.new "// Generated from the .po files by cmake/EmbedCatalogues.cmake: do not edit.
#include \"engine/BuiltInCatalogues.h\"

namespace {
${arrays}}  // namespace

std::span<const vorlan::BuiltInCatalogue> ${FUNCTION}() {
    static const vorlan::BuiltInCatalogue all[] = {
${entries}    };
    return all;
}
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
