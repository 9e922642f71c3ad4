# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the first-page scripts: writes the measurement settings beside $BUILD/bullevista (a
# $WND window at 0,0, the page fitted, no language question) and, when the script ends, puts the
# reader's own settings file back and removes the scratch folders of launches the harness killed.
ini="$BUILD/bullevista.ini"
saved=""
if [ -e "$ini" ]; then
  saved=$(mktemp)
  cp "$ini" "$saved"
fi
restore() {
  if [ -n "$saved" ]; then mv "$saved" "$ini"; else rm -f "$ini"; fi
  find "$BUILD" -maxdepth 1 -type d -regex '.*/[A-Y][A-Y][A-Y][A-Y][A-Y]' -newer "$BUILD/bullevista" \
    -exec rm -rf {} + 2>/dev/null || true
}
trap restore EXIT
printf 'wndxpos=0\nwndypos=0\nwndwidth=%s\nwndheight=%s\nstartstretched=1\nlangfile=default\n' "${WND%x*}" "${WND#*x}" > "$ini"
