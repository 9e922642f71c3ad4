#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target in turn for SECONDS each (default 600), one job, with fresh seeds.
# FORMATS picks some of them (jpeg png gif bmp skin rar 7z pdf), e.g. FORMATS=pdf.
#   fuzz/run.sh BUILD_DIR [SECONDS] [WORK_DIR]
# BUILD_DIR is configured with clang and -DBV_FUZZ=ON. Crash inputs land in WORK_DIR/artifacts,
# outside the tree.
set -euo pipefail
B=${1:?usage: run.sh BUILD_DIR [SECONDS] [WORK_DIR]}
T=${2:-600}
W=${3:-/tmp/bullevista-fuzz}
HERE=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$W/artifacts"
B=$(cd "$B" && pwd)
[ -d "$W/seeds/7z" ] || bash "$HERE/make-seeds.sh" "$W/seeds"
cmake --build "$B" -j1 --target fuzz_jpeg fuzz_png fuzz_gif fuzz_bmp fuzz_webp fuzz_avif fuzz_jxl fuzz_skin fuzz_rar fuzz_7z fuzz_pdf
for f in ${FORMATS:-jpeg png gif bmp webp avif jxl skin rar 7z pdf}; do
  mkdir -p "$W/corpus/$f"
  cd "$W" # libFuzzer may leave logs in the working directory
  echo "== $f: $T s"
  "$B/fuzz/fuzz_$f" -max_total_time="$T" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$W/artifacts/$f-" -print_final_stats=1 "$W/corpus/$f" "$W/seeds/$f" 2>&1 | tail -25
done
