cmake_minimum_required(VERSION 3.25)
# Installs the build into a temporary prefix, checks the installed layout,
# and starts the probe from the installed bin/ folder, offscreen, with
# another folder as the working folder and a home of its own.
#   cmake -DBUILD_DIR=<build> -DPROBE=<install_probe> -P install_test.cmake
set(root ${BUILD_DIR}/install-test)
set(prefix ${root}/prefix)
file(REMOVE_RECURSE ${root})
file(MAKE_DIRECTORY ${root}/elsewhere ${root}/home)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

foreach(f bin/kevra8r
          share/kevra8r/language/english.ini share/kevra8r/language/chinese.ini
          share/kevra8r/language/mysetup.ini
          share/kevra8r/Init/KEVRA8R_0.dat share/kevra8r/Init/KEVRA8R_0.fre
          share/kevra8r/StartE.jpg share/kevra8r/StartC.jpg
          share/applications/kevra8r.desktop share/icons/hicolor/scalable/apps/kevra8r.svg)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(STRINGS ${prefix}/share/applications/kevra8r.desktop entry)
foreach(line "Exec=kevra8r" "Icon=kevra8r" "Type=Application")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()

file(COPY ${PROBE} DESTINATION ${prefix}/bin)
get_filename_component(probe ${PROBE} NAME)
foreach(language C zh_CN.UTF-8)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen HOME=${root}/home
            XDG_CONFIG_HOME=${root}/home/.config LC_ALL=${language} ${prefix}/bin/${probe}
    WORKING_DIRECTORY ${root}/elsewhere
    TIMEOUT 60
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message(STATUS "${language}:\n${out}")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the installed program did not find its files (${language}, ${rc}):\n${out}\n${err}")
  endif()
  string(FIND "${out}" "program folder: ${prefix}/share/kevra8r" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the installed program looked elsewhere:\n${out}")
  endif()
endforeach()
file(REMOVE_RECURSE ${root})
