# The layers, checked on every build: each folder may include its own headers
# and those of the folders named after it, nothing else. A new include that
# points back up fails the build here, naming the file and the line.
#   cmake -DSOURCE_DIR=... -P cmake/check_layers.cmake
#
# From the bottom: records, grid, descriptions, content, app; then the
# tools' shared rooms common, diagnostics, viewer; the commands on top, none
# of which includes another. The one arrow back up is app's state: the
# generator state, the error codes and the failure kinds (app/status.h) are
# declared in app/ and used by every folder below it.
set(state "app/status.h" "app/error_codes.h" "app/generator_state.h")
set(core "records/" "grid/" "descriptions/" "content/" "app/")
set(tools_common ${core} "tools/common/")
set(tools_diagnostics ${tools_common} "tools/diagnostics/")
set(tools_viewer ${tools_diagnostics} "tools/viewer/")

set(layer_records ${state} "records/" "descriptions/read_observer.h")
set(layer_grid ${state} "records/" "grid/")
set(layer_descriptions ${state} "records/" "grid/" "descriptions/")
set(layer_content "content/")
set(layer_app ${core})
set(layer_tools/common ${tools_common})
set(layer_tools/diagnostics ${tools_diagnostics})
set(layer_tools/viewer ${tools_viewer})
set(layer_tools/compile ${tools_viewer} "tools/compile/")
set(layer_tools/inspect ${tools_viewer} "tools/inspect/")
set(layer_tools/pack ${tools_diagnostics} "tools/pack/")

set(folders records grid descriptions content app tools/common tools/diagnostics tools/viewer
            tools/compile tools/inspect tools/pack)
set(failures "")
foreach(folder IN LISTS folders)
  file(GLOB files "${SOURCE_DIR}/${folder}/*.cc" "${SOURCE_DIR}/${folder}/*.h")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
      if(NOT header MATCHES "/")
        continue()  # a system-style header spelled with quotes, or none
      endif()
      set(allowed FALSE)
      foreach(prefix IN LISTS layer_${folder})
        string(FIND "${header}" "${prefix}" at)
        if(at EQUAL 0)
          set(allowed TRUE)
          break()
        endif()
      endforeach()
      # A test beside the code may drive the whole core, and the shared test
      # helpers of tests/.
      if(NOT allowed AND file MATCHES "_test\\.cc$|test_support\\.h$"
         AND header MATCHES "^(tests|records|grid|descriptions|content|app)/")
        set(allowed TRUE)
      endif()
      if(NOT allowed)
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
        string(APPEND failures "  ${shown}: #include \"${header}\" is not below ${folder}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "an include points against the layers (see cmake/check_layers.cmake):\n${failures}")
endif()
