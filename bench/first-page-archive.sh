#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Launch to first page painted for archive books, in one interleaved run of the side-by-side harness:
# the 600-page book as a folder, as a stored and as a deflated cbz, the 120-page cbz of both kinds, and
# MComix on the 600-page cbz. The 600-page books number copies of the 120 test pages p001..p600 and are
# made in $PERFDATA on first use.
#
#   bench/first-page-archive.sh [BUILD_DIR]    env: PERFDATA (/tmp/perfdata), ROUNDS (5), WND (1000x1000),
#                                                   HARNESS (the harness script)
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/launch-settings.sh" "${1:-build}"
[ -s "$PERFDATA/pages/p120.jpg" ] || { echo "no test pages in $PERFDATA/pages: run gen_data.sh" >&2; exit 1; }

big="$PERFDATA/pages600"
if [ ! -s "$PERFDATA/comic600_deflate.cbz" ]; then
  mkdir -p "$big"
  for i in $(seq 1 600); do
    ln -f "$PERFDATA/pages/$(printf 'p%03d.jpg' $(( (i - 1) % 120 + 1 )))" "$big/$(printf 'p%03d.jpg' "$i")"
  done
  (cd "$big" && rm -f ../comic600_stored.cbz.tmp ../comic600_deflate.cbz.tmp &&
    zip -q -0 ../comic600_stored.cbz.tmp p*.jpg && zip -q -6 ../comic600_deflate.cbz.tmp p*.jpg)
  mv "$PERFDATA/comic600_stored.cbz.tmp" "$PERFDATA/comic600_stored.cbz"
  mv "$PERFDATA/comic600_deflate.cbz.tmp" "$PERFDATA/comic600_deflate.cbz"
fi

useLaunchSettings

cases=(folder600="$BUILD/bullevista '$big/'"
       stored600="$BUILD/bullevista '$PERFDATA/comic600_stored.cbz'"
       deflate600="$BUILD/bullevista '$PERFDATA/comic600_deflate.cbz'"
       stored120="$BUILD/bullevista '$PERFDATA/comic_stored.cbz'"
       deflate120="$BUILD/bullevista '$PERFDATA/comic_deflate.cbz'")
if command -v mcomix >/dev/null; then
  cases+=(mcomix_s600="mcomix '$PERFDATA/comic600_stored.cbz'" mcomix_d600="mcomix '$PERFDATA/comic600_deflate.cbz'")
fi
python3 "$HARNESS" --rounds "$ROUNDS" "${cases[@]}"
