#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, configures ./build with the tests, benchmarks and
# fuzz targets (the `release` preset), builds everything and runs the whole
# suite through CTest. PRISMORA_WERROR=ON makes every warning an error.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
cmake --preset release ${PRISMORA_WERROR:+-DPRISMORA_WERROR="$PRISMORA_WERROR"} >/dev/null
cmake --build build --parallel "$(nproc)"
cd build
ctest --output-on-failure --timeout 900 -j "$(nproc)"
