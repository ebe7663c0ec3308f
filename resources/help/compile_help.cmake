# Compiles the help pages of one language into a help file.
#   -DCHMCMD=      the compiler (chmcmd)
#   -DSTAGE_DIR=   scratch folder, emptied first
#   -DINPUT_DIRS=  folders whose content is copied into the stage, in order,
#                  separated by "|" (shared files, generated pictures, the language)
#   -DPROJECT=     the project file inside the stage (TISO286_EN.hhp)
#   -DOUTPUT=      where the compiled file goes
# chmcmd reports success even when it found no project file, and on a missing
# page it still writes a help file; so its exit status, its warnings and the
# existence of a fresh output are all checked. A link to a page that is not
# there ("Can't find") fails the build too.
foreach(var CHMCMD STAGE_DIR INPUT_DIRS PROJECT OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "compile_help.cmake: ${var} not given")
  endif()
endforeach()

string(REPLACE "|" ";" input_dirs "${INPUT_DIRS}")
file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}")
foreach(dir IN LISTS input_dirs)
  file(COPY "${dir}/" DESTINATION "${STAGE_DIR}")
endforeach()

if(NOT EXISTS "${STAGE_DIR}/${PROJECT}")
  message(FATAL_ERROR "Help project ${PROJECT} is missing")
endif()
file(STRINGS "${STAGE_DIR}/${PROJECT}" compiled_line REGEX "^Compiled file=")
string(REGEX REPLACE "^Compiled file=" "" compiled "${compiled_line}")
string(STRIP "${compiled}" compiled)
if(compiled STREQUAL "")
  message(FATAL_ERROR "${PROJECT} names no compiled file")
endif()

execute_process(
  COMMAND "${CHMCMD}" "${PROJECT}"
  WORKING_DIRECTORY "${STAGE_DIR}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log)

string(REGEX MATCHALL "(Warning|Error|Can.t find)[^\n]*" problems "${log}")
if(NOT result EQUAL 0 OR problems OR NOT EXISTS "${STAGE_DIR}/${compiled}")
  message(FATAL_ERROR "Compiling ${PROJECT} failed (status ${result}):\n${log}")
endif()
file(SIZE "${STAGE_DIR}/${compiled}" size)
if(size EQUAL 0)
  message(FATAL_ERROR "Compiling ${PROJECT} gave an empty file")
endif()

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(COPY_FILE "${STAGE_DIR}/${compiled}" "${OUTPUT}")
