# `make package`: a Debian package of what `cmake --install` installs, into /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quirvanto)
set(CPACK_PACKAGE_VENDOR "Quirvanto Team")
set(CPACK_PACKAGE_CONTACT "Quirvanto Team <team@quirvanto.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "coin slot machine with a bonus wheel and five bonus games")
set(CPACK_PACKAGE_DESCRIPTION
    "Quirvanto is a coin slot machine for the desktop. Set a bet, spin a grid of\n"
    "number tiles and win on its rows. Every win goes to a bonus wheel that you\n"
    "stop yourself: it is lost, traded for a letter game, or carried into one of\n"
    "five bonus games. The game is played with credits only, never with money.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package_games.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# Depends: the font the layouts are sized for where Arial Black is missing (Lato Black), the
# sound library the program opens itself once its first window is on the screen (so
# dpkg-shlibdeps cannot see it), and whatever the shared libraries the program links need.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-lato, libsdl2-2.0-0 (>= 2.0.18)")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt runs the game as a native Wayland client where its Wayland platform is installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
