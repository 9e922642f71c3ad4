# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the first-page scripts with the build folder as its argument: sets BUILD, PERFDATA
# (/tmp/perfdata), ROUNDS (5), WND (1000x1000) and HARNESS (the side-by-side harness) unless given, and
# stops when the viewer is not built. `useLaunchSettings` then writes the measurement settings beside
# $BUILD/bullevista (a $WND window at 0,0, the page fitted, no language question) and, when the script
# ends, puts the reader's own settings file back and removes the scratch folders of launches the harness
# killed.
BUILD=$(cd "${1:-build}" && pwd)
PERFDATA=${PERFDATA:-/tmp/perfdata}
ROUNDS=${ROUNDS:-5}
WND=${WND:-1000x1000}
HARNESS=${HARNESS:-$(cd "$HERE/../.." && pwd)/shared/bench/first-page.py}
[ -x "$BUILD/bullevista" ] || { echo "no $BUILD/bullevista: build first" >&2; exit 1; }

useLaunchSettings() {
  ini="$BUILD/bullevista.ini"
  saved=""
  if [ -e "$ini" ]; then
    saved=$(mktemp)
    cp "$ini" "$saved"
  fi
  trap restoreSettings EXIT
  printf 'wndxpos=0\nwndypos=0\nwndwidth=%s\nwndheight=%s\nstartstretched=1\nlangfile=default\n' \
    "${WND%x*}" "${WND#*x}" > "$ini"
}

restoreSettings() {
  if [ -n "$saved" ]; then mv "$saved" "$ini"; else rm -f "$ini"; fi
  find "$BUILD" -maxdepth 1 -type d -regex '.*/[A-Y][A-Y][A-Y][A-Y][A-Y]' -newer "$BUILD/bullevista" \
    -exec rm -rf {} + 2>/dev/null || true
}
