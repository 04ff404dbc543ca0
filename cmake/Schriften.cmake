# The typeface table (data/schriften.tsv) for the program and the package: a header of
# substitutes that ui/Fonts.h includes, and FLINKBLICK_FONT_PACKAGES for the Depends.
set(flinkblick_schriften ${PROJECT_SOURCE_DIR}/data/schriften.tsv)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${flinkblick_schriften})
file(STRINGS ${flinkblick_schriften} flinkblick_zeilen REGEX "^[^#]")
set(FLINKBLICK_FONT_SUBSTITUTES "")
set(FLINKBLICK_FONT_PACKAGES "")
foreach(zeile IN LISTS flinkblick_zeilen)
  # Names go into C++ string literals as they are, so they may hold no quote or backslash.
  if(NOT zeile MATCHES "^([^\t\"\\]+)\t([^\t\"\\]+)\t([a-z0-9.+-]+)(\t|$)")
    message(FATAL_ERROR "data/schriften.tsv: not requested<TAB>substitute<TAB>package: ${zeile}")
  endif()
  string(APPEND FLINKBLICK_FONT_SUBSTITUTES "{\"${CMAKE_MATCH_1}\", \"${CMAKE_MATCH_2}\"},\n")
  list(APPEND FLINKBLICK_FONT_PACKAGES ${CMAKE_MATCH_3})
endforeach()
list(REMOVE_DUPLICATES FLINKBLICK_FONT_PACKAGES)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/generated/ui/Schriftersatz.inc
     CONTENT "// Written by CMake from data/schriften.tsv: requested face, substitute.\n${FLINKBLICK_FONT_SUBSTITUTES}")
target_include_directories(flinkblick_core PUBLIC ${PROJECT_BINARY_DIR}/generated)
