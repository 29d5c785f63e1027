# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: The Gallox Sprintz developers
# The game's folders stand one upon another, from world/, the ground floor that the whole game
# stands on, up to the program's start: a file may include from its own folder and the ones
# below it, never from one above. Run with -DSOURCE=<the src folder>.
set(floors world race cities finance shop mainwindow app)

file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*.h ${SOURCE}/*.cpp)
set(faults "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" folder ${file})
  list(FIND floors ${folder} floor)
  if(floor EQUAL -1)
    string(APPEND faults "\n  ${file}: the folder ${folder} has no floor")
    continue()
  endif()
  file(STRINGS ${SOURCE}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^/\"]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^/]+)/.*$" "\\1" used "${line}")
    list(FIND floors ${used} usedFloor)
    if(usedFloor GREATER floor)
      string(APPEND faults "\n  ${file} includes from ${used}/, above ${folder}/")
    endif()
  endforeach()
endforeach()

list(LENGTH files count)
if(faults)
  message(FATAL_ERROR "Includes that run back up:${faults}")
endif()
message(STATUS "${count} files, every include on its own floor or below")
