# The two helpers every folder's CMakeLists.txt uses: a folder's library with
# its sources named one by one, and the tests beside it. Every library waits
# for the layer check, so a build with an include against the layers fails
# before anything is compiled.

function(scenario_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_LINKS)
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  endif()
  add_dependencies(${name} scenario_layers)
endfunction()

# Gathers a folder's tests into the one test executable built at the top.
function(scenario_tests)
  foreach(source IN LISTS ARGN)
    set_property(GLOBAL APPEND PROPERTY SCENARIO_TEST_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${source})
  endforeach()
endfunction()

# A command: its room's library (everything but main.cc) and the executable,
# which alone links MAIN_LINKS (the live viewer: the fuzz targets and the
# tests of the command's library do without it).
function(scenario_command name)
  cmake_parse_arguments(ARG "" "LIBRARY" "SOURCES;LINKS;MAIN_LINKS" ${ARGN})
  scenario_library(${ARG_LIBRARY} SOURCES ${ARG_SOURCES} LINKS ${ARG_LINKS})
  add_executable(${name} main.cc)
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARY} ${ARG_MAIN_LINKS})
endfunction()
