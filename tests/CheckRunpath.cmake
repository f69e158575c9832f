# Fails when a program's library search path (RUNPATH or RPATH) has an empty or
# relative entry: the loader reads it from the folder the program is started
# in, so a library planted there would run.
#   cmake "-DPROGRAMS=first|second" -P CheckRunpath.cmake
cmake_minimum_required(VERSION 3.24)
string(REPLACE "|" ";" programs "${PROGRAMS}")
foreach(program IN LISTS programs)
  file(READ_ELF "${program}" RUNPATH runpath RPATH rpath CAPTURE_ERROR error)
  if(error)
    message(FATAL_ERROR "${program}: ${error}")
  endif()
  foreach(path IN ITEMS "${runpath}" "${rpath}")
    if(path STREQUAL "")
      continue()
    endif()
    # CMake hands the path over as a list; its entries may also come joined by ":".
    string(REPLACE ":" ";" entries "${path}")
    string(REPLACE ";" ":" shown "${path}")
    foreach(entry IN LISTS entries)
      if(NOT entry MATCHES "^/")
        message(FATAL_ERROR "${program}: an empty or relative entry '${entry}' in its "
                            "library search path '${shown}'")
      endif()
    endforeach()
  endforeach()
  message(STATUS "${program}: library search path '${runpath}${rpath}'")
endforeach()
