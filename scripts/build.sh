#!/usr/bin/env bash
# Configures and builds Prismora in ./build (release with debug info).
# PRISMORA_WERROR=ON makes every compiler warning an error, as CI does.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPRISMORA_WERROR="${PRISMORA_WERROR:-OFF}" >/dev/null
cmake --build build --parallel "$(nproc)"
