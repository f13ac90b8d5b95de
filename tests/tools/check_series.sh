#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# check_series.sh LEVELTOOL LEVELS SCRATCH [AWAITING]: the level tool writes every level of
# the series into SCRATCH, checking each (AWAITING: the levels still to be made again, see
# --awaiting), and the files equal those in LEVELS byte for byte, with none missing or extra.
set -euo pipefail
tool=$1 levels=$2 scratch=$3 awaiting=${4:-}
rm -rf "$scratch"
mkdir -p "$scratch"
"$tool" "$scratch" ${awaiting:+--awaiting "$awaiting"}
diff -r "$levels" "$scratch"
echo "the level tool wrote $(ls "$scratch" | wc -l) levels identical to the shipped ones"
