# Writes a C++ source that holds the SHA-256 of each compiled help file, so
# that the program opens only the files this build made.
# Called at build time:
#   cmake -DOUTPUT=<file.cpp> "-DFILES=<a.chm>|<b.chm>" -P record_digests.cmake
# Each file is looked up by its name ("TISO286_EN.chm").
foreach(var OUTPUT FILES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "record_digests.cmake: ${var} not given")
  endif()
endforeach()

string(REPLACE "|" ";" files "${FILES}")
set(lookup "")
foreach(file IN LISTS files)
  get_filename_component(name "${file}" NAME)
  file(SHA256 "${file}" digest)
  string(APPEND lookup "  if (fileName == \"${name}\") return \"${digest}\";\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from the compiled help files at build time; do not edit.
#include \"help/help_digest.h\"

namespace kalmo {

std::string_view recordedHelpDigest(std::string_view fileName) {
${lookup}  return {};
}

}  // namespace kalmo
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
