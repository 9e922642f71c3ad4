#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Launch to first page painted for a 300-page scanned PDF against the same pages as a stored cbz, in one
# interleaved run of the side-by-side harness. The books cycle the test pages (p001.jpg ...) and are made
# in $PERFDATA on first use.
#
#   bench/first-page-pdf.sh [BUILD_DIR]    env: PERFDATA (/tmp/perfdata), ROUNDS (5), WND (1000x1000),
#                                               HARNESS (the harness script)
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/launch-settings.sh" "${1:-build}"
pages=("$PERFDATA"/pages/p*.jpg)
[ -s "${pages[0]}" ] || { echo "no test pages in $PERFDATA/pages: run gen_data.sh" >&2; exit 1; }

if [ ! -s "$PERFDATA/scan300.pdf" ]; then
  dir="$PERFDATA/scan300"
  mkdir -p "$dir"
  for i in $(seq 1 300); do
    ln -f "${pages[$(( (i - 1) % ${#pages[@]} ))]}" "$dir/$(printf 'p%03d.jpg' "$i")"
  done
  (cd "$dir" && rm -f ../scan300.cbz && zip -q -0 ../scan300.cbz p*.jpg)
  python3 "$HERE/make-scan-pdf.py" "$PERFDATA/scan300.pdf.tmp" "$dir"/p*.jpg
  mv "$PERFDATA/scan300.pdf.tmp" "$PERFDATA/scan300.pdf"
fi

useLaunchSettings

python3 "$HARNESS" --rounds "$ROUNDS" cbz="$BUILD/bullevista '$PERFDATA/scan300.cbz'" \
  pdf="$BUILD/bullevista '$PERFDATA/scan300.pdf'"
