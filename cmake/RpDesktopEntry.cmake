# Writes the desktop entry and installs it; run at install time (from
# install(CODE) in app/), so the program's path is the one under the prefix
# given to `cmake --install --prefix`.
#   RP_DESKTOP_IN   the entry with @RP_EXEC@ for the program
#   RP_DESKTOP_OUT  where the written entry is kept (the build folder)
#   RP_DESKTOP_DIR  the folder it is installed into
#   RP_PROGRAM      the installed program's full path

# Exec holds a command line: a path with a space or another of the entry
# format's reserved characters is quoted, with ", `, $ and \ escaped inside
# the quotes; then, as in every value, \ is written \\, and % is written %%.
set(RP_EXEC "${RP_PROGRAM}")
string(REPLACE "%" "%%" RP_EXEC "${RP_EXEC}")
if(RP_EXEC MATCHES "[ \t\"'\\\\<>~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" RP_EXEC "${RP_EXEC}")
  set(RP_EXEC "\"${RP_EXEC}\"")
  string(REPLACE "\\" "\\\\" RP_EXEC "${RP_EXEC}")
endif()
configure_file("${RP_DESKTOP_IN}" "${RP_DESKTOP_OUT}" @ONLY)
file(INSTALL DESTINATION "${RP_DESKTOP_DIR}" TYPE FILE FILES "${RP_DESKTOP_OUT}")
