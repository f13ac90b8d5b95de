# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=bash
# Sourced by the install checks: `as_player COMMAND...` runs COMMAND as a
# player with a home of their own in SCRATCH who cannot write PROGRAM_DIR
# (nobody when the checks run as root, else the same user after the folder
# lost its write bits). Usage: . player.sh SCRATCH PROGRAM_DIR
player_home=$1/home
mkdir "$player_home"
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$player_home"
  as_player() { runuser -u nobody -- env HOME="$player_home" "$@"; }
else
  chmod -R a-w "$2"
  as_player() { env HOME="$player_home" "$@"; }
fi
if as_player test -w "$2"; then
  echo "install check: the player can write $2" >&2
  exit 1
fi
