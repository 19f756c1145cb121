# Libraries of the window folders. A plain library holds a folder's forms
# and list procedures and never sees Qt; its qt/ subfolder, when there is
# one, becomes <name>_qt with the widgets that show them.

# rp_plain_library(<name> DEPS <libraries> [QT_DEPS <libraries>]): every
# *.cpp of the folder. DEPS are the libraries whose headers it includes;
# its qt/ subfolder links the folder's library, widgets and QT_DEPS (platform
# where the shells include it).
function(rp_plain_library name)
  cmake_parse_arguments(A "" "" "DEPS;QT_DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS})
  if(RP_QT AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/qt)
    rp_qt_library(${name}_qt ${CMAKE_CURRENT_SOURCE_DIR}/qt DEPS ${name} widgets ${A_QT_DEPS})
  endif()
endfunction()

# rp_qt_library(<name> <folder> DEPS <libraries>): every *.cpp, *.h and
# *.qrc of the folder, with moc and rcc, over Qt Widgets. The serial port
# and the printer are Qt modules only platform links.
function(rp_qt_library name folder)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h ${folder}/*.qrc)
  add_library(${name} STATIC ${srcs})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS} Qt6::Core Qt6::Gui Qt6::Widgets)
endfunction()
