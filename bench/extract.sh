#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Extracting a 120-page cbz (stored and deflated) and a stored cbr into a work folder, against
# `bsdtar -xf` of the same archive into the same file system. Needs bsdtar (libarchive-tools).
#   bench/extract.sh [BUILD_DIR] [SCRATCH_DIR]
set -euo pipefail
build=${1:-build}
scratch=${2:-${TMPDIR:-/tmp}/bullevista-bench-extract}
command -v bsdtar >/dev/null || { echo "bsdtar missing: apt-get install libarchive-tools" >&2; exit 1; }
cmake --build "$build" --target bench-extract -j"$(nproc)" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/bench-extract" "$scratch"
