# Checks that every source file includes only from its own layer and the
# layers below it, and fails naming each file and include that does not:
#
#   cmake -DSOURCE_DIR=<top folder of the sources> -P check_layers.cmake
#
#   core/   no Qt header, nothing from print/, gui/ or cli/
#   print/  nothing from gui/ or cli/
#   gui/    nothing from cli/
#   cli/    nothing from gui/
#
# The tests of core/ and cli/ (tests/core/, tests/cli/) keep to the same
# rules; those of print/ and gui/ may drive the pages through the windows.

cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED SOURCE_DIR)
  message(FATAL_ERROR "check_layers.cmake needs -DSOURCE_DIR=...")
endif()

set(core_forbidden "^(tests/)?(print|gui|cli)/")
set(print_forbidden "^(tests/)?(gui|cli)/")
set(gui_forbidden "^(tests/)?(cli)/")
set(cli_forbidden "^(tests/)?(gui)/")

set(checked 0)
set(failures 0)
foreach(layer IN ITEMS core print gui cli)
  set(patterns "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  if(layer STREQUAL "core" OR layer STREQUAL "cli")
    list(APPEND patterns "${SOURCE_DIR}/tests/${layer}/*.h" "${SOURCE_DIR}/tests/${layer}/*.cpp")
  endif()
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}" ${patterns})
  foreach(file IN LISTS files)
    math(EXPR checked "${checked} + 1")
    file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
        continue()
      endif()
      set(bracket "${CMAKE_MATCH_1}")
      set(closing "\"")
      if(bracket STREQUAL "<")
        set(closing ">")
      endif()
      set(included "${CMAKE_MATCH_2}")
      set(reason "")
      if(layer STREQUAL "core" AND bracket STREQUAL "<" AND included MATCHES "^Q")
        set(reason "core/ includes no Qt header")
      elseif(included MATCHES "${${layer}_forbidden}")
        set(reason "${layer}/ includes nothing from ${CMAKE_MATCH_2}/")
      endif()
      if(reason)
        message("${file}: #include ${bracket}${included}${closing}: ${reason}")
        math(EXPR failures "${failures} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} include(s) break the layers (${checked} files checked)")
endif()
message("${checked} files checked: every include keeps to its layer")
