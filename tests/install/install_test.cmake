cmake_minimum_required(VERSION 3.25)
# Installs the build into a temporary prefix the user can write, checks the
# installed layout, and starts the probe from the installed bin/ folder,
# offscreen, with another folder as the working folder and a home of its
# own: once with XDG_CONFIG_HOME set, once with HOME alone. The program
# keeps the files it writes in the user's folder, never under the prefix;
# a setting the user changed survives a reinstall.
#   cmake -DBUILD_DIR=<build> -DPROBE=<install_probe> -P install_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/installed_layout.cmake)
set(root ${BUILD_DIR}/install-test)
set(prefix ${root}/prefix)
file(REMOVE_RECURSE ${root})
file(MAKE_DIRECTORY ${root}/elsewhere ${root}/home ${root}/config ${root}/home2)

function(install_into prefix)
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
  endif()
endfunction()

# Every folder and file under <folder>, each file with its contents' hash.
function(tree_state folder out)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${folder} ${folder}/*)
  list(SORT entries)
  set(state)
  foreach(e ${entries})
    if(IS_DIRECTORY ${folder}/${e})
      list(APPEND state "${e}/")
    else()
      file(SHA256 ${folder}/${e} h)
      list(APPEND state "${e} ${h}")
    endif()
  endforeach()
  set(${out} "${state}" PARENT_SCOPE)
endfunction()

function(expect_unchanged folder before what)
  tree_state(${folder} after)
  if(NOT after STREQUAL before)
    string(REPLACE ";" "\n  " before "${before}")
    string(REPLACE ";" "\n  " after "${after}")
    message(FATAL_ERROR "${what} changed under ${folder}:\nbefore:\n  ${before}\nafter:\n  ${after}")
  endif()
endfunction()

# Runs the probe; sets probe_out to what it printed.
function(run_probe language env userdir)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME QT_QPA_PLATFORM=offscreen LC_ALL=${language}
            ${env} ${prefix}/bin/${probe}
    WORKING_DIRECTORY ${root}/elsewhere
    TIMEOUT 60
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message(STATUS "${language}:\n${out}")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the installed program did not find its files (${language}, ${rc}):\n${out}\n${err}")
  endif()
  foreach(line "program folder: ${prefix}/share/kevra8r" "settings file: ${userdir}/language/mysetup.ini")
    string(FIND "${out}" "${line}\n" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the installed program did not print \"${line}\":\n${out}")
    endif()
  endforeach()
  foreach(f language/mysetup.ini BatchFun.ini)
    if(NOT EXISTS ${userdir}/${f})
      message(FATAL_ERROR "the installed program did not keep ${f} in ${userdir}")
    endif()
  endforeach()
  set(probe_out "${out}" PARENT_SCOPE)
endfunction()

install_into(${prefix})
rp_check_installed(${prefix})

file(COPY ${PROBE} DESTINATION ${prefix}/bin)
get_filename_component(probe ${PROBE} NAME)
tree_state(${prefix} installed)

set(user ${root}/config/KEVRA_8R)
run_probe(C "HOME=${root}/home;XDG_CONFIG_HOME=${root}/config" ${user})
expect_unchanged(${prefix} "${installed}" "the install")
run_probe(zh_CN.UTF-8 "HOME=${root}/home2" ${root}/home2/.config/KEVRA_8R)
expect_unchanged(${prefix} "${installed}" "the install")

# The user changes a setting; a reinstall leaves it, and the program reads it.
set(settings ${user}/language/mysetup.ini)
file(READ ${settings} text)
string(REPLACE "Handshaking=0" "Handshaking=2" changed "${text}")
if(changed STREQUAL text)
  message(FATAL_ERROR "no Handshaking=0 in the user's settings:\n${text}")
endif()
file(WRITE ${settings} "${changed}")
tree_state(${user} userFiles)
install_into(${prefix})
expect_unchanged(${user} "${userFiles}" "the user's files")
expect_unchanged(${prefix} "${installed}" "the install")
run_probe(C "HOME=${root}/home;XDG_CONFIG_HOME=${root}/config" ${user})
string(FIND "${probe_out}" "handshaking: 2\n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the user's setting was not read after the reinstall:\n${probe_out}")
endif()
expect_unchanged(${prefix} "${installed}" "the install")
file(REMOVE_RECURSE ${root})
