#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark program of a build: bench/run.sh [BUILD_DIR]. Test data from the shared
# generator (../shared/bench/gen_data.sh beside the checkout) is looked up in $PERFDATA (default /tmp/perfdata) and made there when
# missing (a few minutes; without the generator a smaller page of the same recipe stands in).
# bench_decode's figures are then printed as ratios to the reference decoders of the same run.
set -euo pipefail
BUILD=${1:-build}
export PERFDATA=${PERFDATA:-/tmp/perfdata}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
GEN=${BV_GEN_DATA:-$(cd "$(dirname "$0")/../.." && pwd)/shared/bench/gen_data.sh}
IM=/usr/bin/convert-im6.q16
[ -x "$IM" ] || IM=convert
D=$PERFDATA

mkdir -p "$D"
if [ ! -s "$D/page.gif" ]; then
  if [ -f "$GEN" ]; then
    bash "$GEN" "$D" >/dev/null
  else
    # The same recipe: a noisy colourful page with text, then the other three forms.
    MAGICK_THREAD_LIMIT=1 "$IM" -seed 1 -size 310x439 plasma:fractal -blur 0x2 -resize '2480x3508!' \
      -attenuate 0.1 +noise Gaussian -pointsize 60 -draw "text 200,300 'Bullevista'" \
      -quality 90 -sampling-factor 2x2 "$D/page.jpg"
    jpegtran -copy none -progressive -outfile "$D/page_prog.jpg" "$D/page.jpg"
    MAGICK_THREAD_LIMIT=1 "$IM" "$D/page.jpg" "$D/page.png"
    MAGICK_THREAD_LIMIT=1 "$IM" "$D/page.jpg" -colors 256 "$D/page.gif"
  fi
fi
# A page whose colours span 40..200 only, so normalisation must rewrite every pixel.
[ -s "$D/page_narrow.jpg" ] || MAGICK_THREAD_LIMIT=1 "$IM" "$D/page.jpg" +level 15.7%,78.4% -quality 90 \
  -sampling-factor 2x2 "$D/page_narrow.jpg"

# The same page as WebP, AVIF and JPEG XL, with the formats' own encoders (webp, libavif-bin,
# libjxl-tools) where they are installed.
[ -s "$D/page.webp" ] || ! command -v cwebp >/dev/null || cwebp -quiet -q 90 "$D/page.png" -o "$D/page.webp"
[ -s "$D/page.avif" ] || ! command -v avifenc >/dev/null || avifenc -s 8 -j 1 "$D/page.png" "$D/page.avif" >/dev/null
[ -s "$D/page.jxl" ] || ! command -v cjxl >/dev/null || cjxl -d 1 --num_threads=0 "$D/page.png" "$D/page.jxl" >/dev/null 2>&1

for program in "$BUILD"/bench/bench_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue # not the build's *_autogen folders
  name=$(basename "$program")
  echo "== $name"
  if [ "$name" != bench_decode ]; then
    "$program" --benchmark_repetitions="${REPS:-3}" --benchmark_report_aggregates_only=true
    continue
  fi
  OUT="$D/bench_decode.json"
  "$program" "$D" --benchmark_out="$OUT" --benchmark_out_format=json
  TJ=""
  if command -v tjbench >/dev/null; then
    # tjbench's own figure (Mpixels/s) for the same file, turned into milliseconds per decode.
    TJ=$(cd "$D" && tjbench page.jpg -bgrx -quiet -benchtime 2 -warmup 1 -nowrite 2>/dev/null |
         awk '/BGRX/ {print $NF}' | tail -1)
  fi
  python3 - "$OUT" "${TJ:-}" <<'PY'
import json, sys
# CPU times: the benchmark is single-threaded, and on a loaded machine wall time measures the load.
runs = {b["name"].split("/min_time")[0]: b["cpu_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]
        if b.get("run_type", "iteration") == "iteration"}
def ratio(name, ref, target):
    if name in runs and ref in runs:
        r = runs[name] / runs[ref]
        print(f"{name:38s} {runs[name]:8.2f} ms  {r:5.2f} x {ref:30s} (target <= {target})  {'ok' if r <= target else 'OVER'}")
print()
ratio("DecodePage/jpeg/plain", "ref/tjDecompress2/jpeg", 1.15)
ratio("DecodePage/jpeg/norm", "ref/tjDecompress2/jpeg", 1.5)
ratio("DecodePage/jpeg/norm+contrast", "ref/tjDecompress2/jpeg", 1.5)
ratio("DecodePage/jpeg_narrow/norm", "ref/tjDecompress2/jpeg_narrow", 1.5)
ratio("DecodePage/jpeg/plain_fresh_record", "ref/tjDecompress2/jpeg", 1.15)
ratio("DecodePage/jpeg_prog/plain", "ref/tjDecompress2/jpeg_prog", 1.15)
ratio("DecodePage/jpeg_prog/norm", "ref/tjDecompress2/jpeg_prog", 1.5)
ratio("DecodePage/png/plain", "ref/libpng/png", 1.15)
ratio("DecodePage/png/norm", "ref/libpng/png", 1.5)
ratio("DecodePage/gif/plain", "ref/giflib/gif", 1.15)
ratio("DecodePage/gif/norm", "ref/giflib/gif", 1.5)
ratio("DecodePage/webp/plain", "ref/libwebp/webp", 1.15)
ratio("DecodePage/avif/plain", "ref/libavif/avif", 1.15)
ratio("DecodePage/jxl/plain", "ref/libjxl/jxl", 1.15)
if sys.argv[2] and "DecodePage/jpeg/plain" in runs:
    ms = 2480 * 3508 / float(sys.argv[2]) / 1000
    print(f"\ntjbench page.jpg -bgrx (wall clock): {ms:.2f} ms; DecodePage/jpeg/plain = "
          f"{runs['DecodePage/jpeg/plain'] / ms:.2f} x, norm = {runs['DecodePage/jpeg/norm'] / ms:.2f} x")
PY
done

# Extraction into the work folder against bsdtar (needs libarchive-tools).
if command -v bsdtar >/dev/null; then
  echo "== extraction against bsdtar -xf"
  bash "$(dirname "$0")/extract.sh" "$BUILD"
fi
