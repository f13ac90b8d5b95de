# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Where an install puts the level series. `cmake --install` keeps GNU's layout
# (bin/ and share/prismora/levels); the Debian package follows Debian's games
# layout with -DCMAKE_INSTALL_BINDIR=games
# -DPRISMORA_INSTALL_LEVELSDIR=share/games/prismora/levels (see debian/rules).
set(PRISMORA_INSTALL_LEVELSDIR "${CMAKE_INSTALL_DATADIR}/prismora/levels"
    CACHE STRING "Folder of the installed level series, relative to the prefix")
if(IS_ABSOLUTE "${PRISMORA_INSTALL_LEVELSDIR}")
  set(PRISMORA_INSTALL_FULL_LEVELSDIR "${PRISMORA_INSTALL_LEVELSDIR}")
else()
  set(PRISMORA_INSTALL_FULL_LEVELSDIR "${CMAKE_INSTALL_PREFIX}/${PRISMORA_INSTALL_LEVELSDIR}")
endif()
