# Fails when a source file of src/ includes a header from a folder it must not
# see. The folders are layers, lowest first:
#   base < dictionary < patterns < game < (each game folder) < app < cli, shell
# A file may include its own folder and any lower layer. Games do not include
# one another, and the command line and the window do not include each other.
# A folder can therefore only reach strictly lower ranks, so the folder graph
# has no cycle.
#
# Usage: cmake -DSOURCE_DIR=<src folder> -P check_layers.cmake

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR not given")
endif()

function(layer_rank folder out)
  if(folder STREQUAL "base")
    set(rank 0)
  elseif(folder STREQUAL "dictionary")
    set(rank 1)
  elseif(folder STREQUAL "patterns")
    set(rank 2)
  elseif(folder STREQUAL "game")
    set(rank 3)
  elseif(folder STREQUAL "app")
    set(rank 5)
  elseif(folder STREQUAL "cli" OR folder STREQUAL "shell")
    set(rank 6)
  else()
    set(rank 4)  # a game
  endif()
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(violations "")
foreach(source ${sources})
  string(REGEX MATCH "^[^/]+" folder "${source}")
  layer_rank(${folder} own)
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^/\"]+/")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^/\"]+)/.*" "\\1" target "${line}")
    if(NOT target STREQUAL folder AND IS_DIRECTORY ${SOURCE_DIR}/${target})
      layer_rank(${target} other)
      if(NOT other LESS own)
        string(APPEND violations "  ${source} includes ${target}/\n")
      endif()
    endif()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes that go up or across the layers:\n${violations}")
endif()
message(STATUS "Layers respected: ${SOURCE_DIR}")
