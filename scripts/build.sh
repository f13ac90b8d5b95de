#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Prismora in ./build: the given targets, or everything it is configured
# for. A new build folder is configured for the game alone (the `game` preset:
# no test, benchmark or fuzzing dependencies); an existing one keeps its options.
# PRISMORA_WERROR=ON makes every compiler warning an error, as CI does.
# Usage: build.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

options=()
if [ -n "${PRISMORA_WERROR:-}" ]; then options+=(-DPRISMORA_WERROR="$PRISMORA_WERROR"); fi
if [ ! -f build/CMakeCache.txt ]; then
  cmake --preset game "${options[@]}" >/dev/null
elif [ ${#options[@]} -ne 0 ]; then
  cmake -S . -B build "${options[@]}" >/dev/null
fi
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build --parallel "$(nproc)" "${targets[@]}"
