#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# follow_hints.sh CLI PLACE LEVEL SCRATCH: from LEVEL's start, asks `CLI --hint` and places each
# hinted piece where and as hinted (PLACE saves the position), until the level is solved; fails
# when a bomb goes off, a hint is not a placement, or twenty hints do not reach the end.
set -euo pipefail
cli=$1 place=$2 position=$3 scratch=$4
rm -rf "$scratch"
mkdir -p "$scratch"
number() { sed -n "s/.*\"$1\":\([0-9]*\).*/\1/p" <<<"$hint"; }
for step in $(seq 1 20); do
  hint=$("$cli" --hint "$position")
  echo "$step: $hint"
  case $hint in
    *'"hint":"solved"'*) break ;;
    *'"hint":"place"'*) ;;
    *) echo "not a placement"; exit 1 ;;
  esac
  next=$scratch/step$step.prl
  "$place" "$position" "$(number kind)" "$(number col)" "$(number row)" "$(number dir)" "$next"
  position=$next
done
"$cli" --trace "$position" | grep -q '"status":"Grattis! Du klarade det :)"'
echo "solved by following the hints"
