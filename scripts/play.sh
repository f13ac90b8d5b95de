#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what the game needs, builds the game alone and starts it; arguments
# go to the game (a level file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh game
bash scripts/build.sh prismora
exec build/app/prismora "$@"
