#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a C++ file of the repository differs from what .clang-format makes
# of it, naming each place. clang-format-14 is the one the style is checked with
# (Debian 12's); `clang-format-14 -i FILE` fixes a file.
set -euo pipefail
cd "$(dirname "$0")/.."

format=$(command -v clang-format-14 || true)
if [ -z "$format" ]; then
  echo "check-format: clang-format-14 is missing (Debian: clang-format-14)" >&2
  exit 1
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z -- '*.cpp' '*.h'
else
  find . -path './build*' -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print0
fi | xargs -0 "$format" --dry-run -Werror || {
  echo "check-format: the files above differ from .clang-format (clang-format-14 -i FILE)" >&2
  exit 1
}
echo "check-format: every C++ file matches .clang-format"
