# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: The Gallox Sprintz developers
# Installs the build into a fresh prefix and starts the game from there: it must find its route
# file and keep running, and the menu entry and its icon must be where a desktop looks for them.
#   cmake -DBUILD=<build folder> -DPREFIX=<empty folder> -P install_test.cmake

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

foreach(wanted bin/gallox bin/cons.htx bin/gallox-pictures.bin share/applications/gallox-sprintz-2.desktop
               share/icons/hicolor/scalable/apps/gallox-sprintz-2.svg)
  if(NOT EXISTS "${PREFIX}/${wanted}")
    message(FATAL_ERROR "not installed: ${wanted}")
  endif()
endforeach()

file(READ "${PREFIX}/share/applications/gallox-sprintz-2.desktop" entry)
if(NOT entry MATCHES "\nExec=${PREFIX}/bin/gallox\n" OR NOT entry MATCHES "\nIcon=gallox-sprintz-2\n")
  message(FATAL_ERROR "the menu entry does not start the installed game:\n${entry}")
endif()

# Started from another folder, as a desktop menu would; only being stopped ends it. A start that
# fails says so on standard error, then waits on its message box.
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${PREFIX}/bin/gallox" WORKING_DIRECTORY "${PREFIX}/share"
                TIMEOUT 1 RESULT_VARIABLE ran ERROR_VARIABLE said)
if(NOT ran MATCHES "timeout" OR said MATCHES "gallox: ")
  message(FATAL_ERROR "the installed game did not start (${ran}): ${said}")
endif()
