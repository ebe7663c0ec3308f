# Writes a C++ source that holds the language resources as byte arrays.
# Called at build time: cmake -DOUTPUT=<file.cpp> -DINPUT_DIR=<dir> -P embed_lang.cmake
# Each <dir>/*.txt becomes a resource named by its base name ("EN").
file(GLOB INPUTS "${INPUT_DIR}/*.txt")
list(SORT INPUTS)
set(body "")
set(lookup "")
foreach(input IN LISTS INPUTS)
  get_filename_component(name "${input}" NAME_WE)
  file(READ "${input}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "constexpr std::uint8_t k${name}[] = {${bytes}};\n")
  string(APPEND lookup "  if (name == \"${name}\") return k${name};\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from resources/lang at build time; do not edit.
#include \"lang/lang_resources.h\"

namespace kalmo {
namespace {
${body}}  // namespace

std::span<const std::uint8_t> embeddedLangResource(std::string_view name) {
${lookup}  return {};
}

}  // namespace kalmo
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
