#!/usr/bin/env bash
# Runs every benchmark program of a build: bench/run.sh [BUILD_DIR]. Test data from
# /work/shared/bench/gen_data.sh is looked up in $PERFDATA (default /tmp/perfdata).
set -euo pipefail
BUILD=${1:-build}
export PERFDATA=${PERFDATA:-/tmp/perfdata}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for program in "$BUILD"/bench/bench_*; do
  [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  "$program" --benchmark_repetitions="${REPS:-3}" --benchmark_report_aggregates_only=true
done

# Extraction into the work folder against bsdtar (needs libarchive-tools).
if command -v bsdtar >/dev/null; then
  echo "== extraction against bsdtar -xf"
  bash "$(dirname "$0")/extract.sh" "$BUILD"
fi
