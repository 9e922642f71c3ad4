#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks it as a desktop and a user would: the files in their
# places, the desktop entry, the metainfo and the MIME package through the desktop's own tools (each
# skipped when not installed), then the installed viewer run from the prefix made read-only with a
# home holding only its language answer: it opens a book, keeps its settings and scratch folder in the
# home's XDG folders, writes nothing into the prefix and leaves no scratch folder behind.
#   check-install.sh <build folder> <AppStream id>
set -euo pipefail
build=$1
app_id=$2
scratch=$(mktemp -d)
viewer=""
trap '[ -z "$viewer" ] || kill $viewer 2>/dev/null; chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
for f in bin/bullevista bin/bullevista-thumbnailer share/thumbnailers/bullevista.thumbnailer share/bullevista/defaults.ini share/bullevista/skins/default/layout.cor share/bullevista/lang/french.rcc share/applications/bullevista.desktop \
    share/mime/packages/bullevista.xml "share/metainfo/$app_id.metainfo.xml" \
    share/icons/hicolor/{scalable/apps/bullevista.svg,{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/bullevista.png}; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done

# A first start, without a settings file, shows the page fitted to the window.
grep -qx 'startstretched=1' "$share/bullevista/defaults.ini" || fail "defaults.ini does not start fitted"

skipped=()
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/bullevista.desktop" || fail "desktop-file-validate"
else skipped+=(desktop-file-validate); fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
  appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"
else skipped+=(appstreamcli); fi
if command -v update-mime-database >/dev/null; then
  mime=$scratch/mime
  mkdir -p "$mime/packages" && cp "$share/mime/packages/bullevista.xml" "$mime/packages/"
  XDG_DATA_DIRS=$scratch update-mime-database "$mime" 2>"$scratch/mime.err" || fail "update-mime-database: $(cat "$scratch/mime.err")"
  [ ! -s "$scratch/mime.err" ] || fail "update-mime-database: $(cat "$scratch/mime.err")"
  grep -q 'application/x-bdz:\*\.bdz' "$mime/globs2" || fail "the bdz type is not declared"
else skipped+=(update-mime-database); fi

# The installed viewer, read-only prefix, empty home, the sample book.
book="$(cd "$build" && pwd)/sample/Sample Book.cbz"
[ -f "$book" ] || fail "no sample book in $build"
home=$scratch/home
# A first start asks for the language before any window; the answer given, as a reader would have.
mkdir -p "$home/.config/bullevista"
echo "langfile=default" >"$home/.config/bullevista/bullevista.ini"
chmod -R a-w "$prefix"
touch "$scratch/started"
# Nothing of the caller's environment but the sanitizers' settings, when the build has them.
env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="${ASAN_OPTIONS:-}" \
  LSAN_OPTIONS="${LSAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" "$prefix/bin/bullevista" "$book" \
  >"$scratch/run.log" 2>&1 &
viewer=$!
pages=""
for _ in $(seq 100); do
  pages=$(find "$home/.cache/bullevista" -mindepth 2 -name '*.jpg' 2>/dev/null | head -n 1 || true)
  [ -n "$pages" ] && break
  sleep 0.2
done
sleep 1 # the first page decoded and shown
kill -TERM $viewer
status=0
wait $viewer || status=$?
viewer=""
[ $status -eq 0 ] || fail "the viewer ended with $status: $(cat "$scratch/run.log")"
[ -n "$pages" ] || fail "the book's pages never reached the scratch folder: $(cat "$scratch/run.log")"
ini=$home/.config/bullevista/bullevista.ini
grep -qxF "previousbook=$book" "$ini" || fail "the settings file doesn't name the book: $(grep previousbook "$ini")"
# The books' thumbnails (the opened book's cover) stay; nothing else may.
[ -z "$(find "$home/.cache/bullevista" -mindepth 1 -maxdepth 1 ! -name thumbnails)" ] || fail "a scratch folder was left behind"
[ -z "$(find "$prefix" -newer "$scratch/started")" ] || fail "the viewer wrote into its prefix"

if [ ${#skipped[@]} -gt 0 ]; then
  echo "not installed, so not run: ${skipped[*]}"
  exit 77
fi
