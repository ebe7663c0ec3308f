# Installs the build tree into a scratch prefix and checks what a package
# would ship: the file list, the programs' start from there, the version they
# report, the desktop entry and the manual page. Run by ctest:
#   cmake -DBUILD_DIR=... -DPREFIX=... -DVERSION=... -DWITH_GUI=ON|OFF -P check_install.cmake
foreach(var IN ITEMS BUILD_DIR PREFIX VERSION WITH_GUI)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_install.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}): ${errors}")
endif()

set(expected bin/kalmo-cli share/man/man1/kalmo-cli.1.gz)
if(WITH_GUI)
  list(APPEND expected bin/kalmo share/applications/kalmo.desktop
       share/icons/hicolor/scalable/apps/kalmo.svg)
  foreach(size IN ITEMS 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/kalmo.png)
  endforeach()
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

function(run_installed)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(status ${status} PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run_installed(${PREFIX}/bin/kalmo-cli --version)
if(NOT status EQUAL 0 OR NOT out STREQUAL "kalmo-cli ${VERSION}\n")
  message(FATAL_ERROR "kalmo-cli --version gave status ${status}, \"${out}\", expected "
                      "\"kalmo-cli ${VERSION}\"")
endif()
run_installed(${PREFIX}/bin/kalmo-cli fit 10 H7/g6 --json)
if(NOT status EQUAL 0 OR NOT out MATCHES "^\\{\"size\":10,")
  message(FATAL_ERROR "installed kalmo-cli fit failed (${status}): ${out}${err}")
endif()

# A man page with a roff mistake still renders, with a warning.
find_program(MAN man)
if(MAN)
  run_installed(${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                ${MAN} --warnings -l ${PREFIX}/share/man/man1/kalmo-cli.1.gz)
  if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "kalmo-cli fit")
    message(FATAL_ERROR "man kalmo-cli.1 (${status}): ${err}")
  endif()
endif()

if(WITH_GUI)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(DESKTOP_FILE_VALIDATE)
    run_installed(${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/kalmo.desktop)
    if(NOT status EQUAL 0 OR NOT out STREQUAL "" OR NOT err STREQUAL "")
      message(FATAL_ERROR "desktop-file-validate: ${out}${err}")
    endif()
  endif()

  # The installed window must get as far as its event loop, so that it is
  # still running when the time is up (timeout's status 124). Its settings
  # go to a scratch folder, not to the user's.
  file(MAKE_DIRECTORY ${PREFIX}/home)
  run_installed(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen HOME=${PREFIX}/home
                XDG_CONFIG_HOME=${PREFIX}/home/.config
                timeout 3 ${PREFIX}/bin/kalmo)
  if(NOT status EQUAL 124)
    message(FATAL_ERROR "installed kalmo ended early with status ${status}: ${err}")
  endif()
endif()
