# SPDX-FileCopyrightText: 2026 The Quellard developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack: `cmake --build build --target package` (or scripts/build-package)
# gives build/quellard_<version>_<arch>.deb. It installs what `cmake --install` lays out, under /usr
# (the program in /usr/games, its files in /usr/share/games, as Debian keeps games), and depends on
# runtime libraries only: dpkg-shlibdeps finds the Qt, sound and C++ libraries the program is
# linked against, and the fonts of the table are named here.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quellard)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quellard developers")
set(CPACK_PACKAGE_CONTACT "The Quellard developers <quellard@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quellard.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
# xdg-open, which hands the help page and our web pages to the player's browser. Without it the game
# still plays, and Help > Contents shows the built-in rules instead of the page.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "blackjack against a computer dealer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Quellard is blackjack for one player at a single table. Stake chips of
5, 10 and 50 pounds from 500 pounds of play money, deal, and then hit,
stand or double down on 11 while the dealer draws to 17. A blackjack
pays 3 to 2 at once, and you may insure against a dealer's ace.
.
Choose from seven card-back pictures, hear a sound for every outcome,
and play with the mouse or entirely from the keyboard.]=])

include(CPack)
