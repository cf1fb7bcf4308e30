# Links AMPERO_LAUNCHER_DIR/ampero to the installed program, relative so that it also holds
# inside a DESTDIR.
set(launcher "$ENV{DESTDIR}${AMPERO_LAUNCHER_DIR}/ampero")
file(RELATIVE_PATH target "${AMPERO_LAUNCHER_DIR}" "${CMAKE_INSTALL_PREFIX}/${AMPERO_PROGRAM}")
message(STATUS "Installing: ${launcher} -> ${target}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${AMPERO_LAUNCHER_DIR}")
file(CREATE_LINK "${target}" "${launcher}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${launcher}")
