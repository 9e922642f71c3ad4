#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Launch to first page painted, this viewer beside qimgv, on the 120-page folder of gen_data.sh, under a
# private Xvfb (the side-by-side harness in $HARNESS). Prints each viewer's median time, its ratio to
# ours and its peak RSS.
#
#   bench/first-page.sh [BUILD_DIR]      env: PERFDATA (/tmp/perfdata), ROUNDS (5), WND (1000x1000),
#                                             STRETCHED (1: the page fitted to the view, 0: at 100 %)
#
# Our viewer reads its settings from the file beside the executable; for the run it gets one that skips
# the first-run language choice and fixes the window size and display mode. Any settings file there is
# put back afterwards, and the scratch folders of the (killed) launches are removed.
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
PERFDATA=${PERFDATA:-/tmp/perfdata}
ROUNDS=${ROUNDS:-5}
WND=${WND:-1000x1000}
STRETCHED=${STRETCHED:-1}
HARNESS=${HARNESS:-$(cd "$(dirname "$0")/../.." && pwd)/shared/bench/first-page.py}
PAGES="$PERFDATA/pages"

[ -x "$BUILD/bullevista" ] || { echo "no $BUILD/bullevista: build first" >&2; exit 1; }
[ -s "$PAGES/p001.jpg" ] || { echo "no test pages in $PAGES: run gen_data.sh" >&2; exit 1; }
command -v qimgv >/dev/null || { echo "qimgv is missing: apt-get install qimgv" >&2; exit 1; }

ini="$BUILD/bullevista.ini"
saved=""
if [ -e "$ini" ]; then
  saved=$(mktemp)
  cp "$ini" "$saved"
fi
before=$(mktemp)
find "$BUILD" -maxdepth 1 -type d -regex '.*/[A-Y][A-Y][A-Y][A-Y][A-Y]' | sort > "$before"
restore() {
  if [ -n "$saved" ]; then mv "$saved" "$ini"; else rm -f "$ini"; fi
  find "$BUILD" -maxdepth 1 -type d -regex '.*/[A-Y][A-Y][A-Y][A-Y][A-Y]' | sort | comm -13 "$before" - |
    while read -r dir; do rmdir "$dir" 2>/dev/null || true; done
  rm -f "$before"
}
trap restore EXIT

cat > "$ini" <<SETTINGS
wndxpos=0
wndypos=0
wndwidth=${WND%x*}
wndheight=${WND#*x}
startstretched=$STRETCHED
langfile=default
SETTINGS

python3 "$HARNESS" --rounds "$ROUNDS" \
  bullevista="$BUILD/bullevista '$PAGES/'" \
  qimgv="qimgv '$PAGES/p001.jpg'"

# The same book as a stored and a deflated cbz, beside MComix (apt-get install mcomix).
if command -v mcomix >/dev/null && [ -s "$PERFDATA/comic_stored.cbz" ]; then
  for kind in stored deflate; do
    echo "== comic_$kind.cbz"
    python3 "$HARNESS" --rounds "$ROUNDS" \
      bullevista="$BUILD/bullevista '$PERFDATA/comic_$kind.cbz'" \
      mcomix="mcomix '$PERFDATA/comic_$kind.cbz'"
  done
fi
