# The Debian package: whatever the install rules put under the prefix, installed
# into /usr. Build it with `cpack --config <build>/CPackConfig.cmake`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvanella)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "memory game for one or two players, in Portuguese")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvanella is a memory-matching game with a board of 24 (or 16) face-down
blocks that hide 12 (or 8) pairs of figures. Turning two equal figures
scores 150 points and takes the pair off the board; a miss costs 25 points.

A match is played alone against a time limit of three minutes down to 45
seconds, by two people one after the other on fresh boards, or by two
contenders taking turns on one board, the second of whom may be the
computer at one of three levels. The game keeps tables of best scores and
times, plays a sound for every event, offers four built-in figure sets or
twelve of the player's own photos, and has a printable manual.

Everything the game shows is in Portuguese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvanella developers")
# Libraries from what the program links; the fonts its windows are laid out in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
# Qt's Wayland platform: without it a desktop with no X server cannot show the
# game; an X11 desktop does without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
