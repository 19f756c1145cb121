# rp_check_installed(<prefix>): stops with a message when an installed file
# is missing or the desktop entry does not start the program under <prefix>.
function(rp_check_installed prefix)
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
  foreach(line "Exec=${prefix}/bin/kevra8r" "Icon=kevra8r" "Type=Application")
    if(NOT line IN_LIST entry)
      message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
  endforeach()
endfunction()
