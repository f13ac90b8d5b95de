#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a source folder includes a folder above it, or when a folder that
# must stay free of Qt includes a Qt header (the layering of docs/architecture.md).
# Prints every offending include as file:line: text. Needs no build.
set -euo pipefail
cd "$(dirname "$0")/.."

# What each folder may include besides itself. cli reports beams in board
# pixels through the view's header-only, Qt-free geometry.
declare -A may_use=(
  [base]=""
  [core]="base"
  [cli]="base core view/board_geometry.h"
  [graphics]="base"
  [view]="base core graphics"
  [widgets]="base graphics"
  [app]="base core cli graphics view widgets"
)
qt_free=(base core cli graphics view/board_geometry.h)
folders=(base core cli graphics view widgets app)

sources_in() { # a folder's C++ files, or the one file named
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -- "$1"
  else
    find "$1" -type f
  fi | grep -E '\.(cpp|h)$' || true
}

is_listed() { # is_listed WORD LIST...
  local word=$1
  shift
  local item
  for item in "$@"; do [ "$item" = "$word" ] && return 0; done
  return 1
}

failures=0
report() {
  echo "$1: $2" >&2
  failures=$((failures + 1))
}

for folder in "${folders[@]}"; do
  read -r -a allowed <<<"${may_use[$folder]}"
  while IFS= read -r file; do
    [ -n "$file" ] || continue
    while IFS=: read -r line text; do
      [[ $text =~ include[[:space:]]*[\<\"]([^\>\"]*) ]] || continue
      target=${BASH_REMATCH[1]}
      top=${target%%/*}
      if [ "$top" != "$target" ] && is_listed "$top" "${folders[@]}" &&
        [ "$top" != "$folder" ] && ! is_listed "$top" "${allowed[@]}" &&
        ! is_listed "$target" "${allowed[@]}"; then
        report "$file:$line" "$folder/ may not include $top/: $text"
      fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$file" || true)
  done < <(sources_in "$folder")
done

for place in "${qt_free[@]}"; do
  while IFS= read -r file; do
    [ -n "$file" ] || continue
    while IFS=: read -r line text; do
      report "$file:$line" "$place must stay free of Qt: $text"
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q[A-Za-z0-9]*|Qt[A-Za-z]*/[^>]*|q[a-z0-9_]*\.h)>' "$file" || true)
  done < <(sources_in "$place")
done

if [ "$failures" -ne 0 ]; then
  echo "check-layers: $failures include(s) break the layering of docs/architecture.md" >&2
  exit 1
fi
echo "check-layers: every include respects the layering"
