cmake_minimum_required(VERSION 3.25)
# Installs a build into an empty prefix and checks that everything the
# program needs was installed with it.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder> -P install_whole.cmake
include(${CMAKE_CURRENT_LIST_DIR}/installed_layout.cmake)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()
rp_check_installed(${PREFIX})
message(STATUS "installed whole into ${PREFIX}")
