# Run by CPack on the staged files: Debian keeps games in /usr/games. The program finds its data
# as ../share/quirvanto from there as well.
set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr)
file(MAKE_DIRECTORY ${staged}/games)
file(RENAME ${staged}/bin/quirvanto ${staged}/games/quirvanto)
file(REMOVE_RECURSE ${staged}/bin)
