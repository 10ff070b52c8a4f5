#!/usr/bin/env bash
# Repaint time on a 96 dpi image, and the wall time of a whole process that writes a one-page
# A4 PDF of the same page (median of several runs).
# Usage: bench/draw/medir.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-20}
bench=$build/bench/draw/bench_draw
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen

"$bench" image 500

walls=()
for i in $(seq "$runs"); do
    start=$(date +%s%N)
    "$bench" pdf "$out/page$i.pdf"
    walls+=($(( ($(date +%s%N) - start) / 1000 )))
done
printf '%s\n' "${walls[@]}" | sort -n |
    awk -v runs="$runs" '{a[NR]=$1} END {printf "pdf A4 whole process: median %.1f ms, fastest %.1f, slowest %.1f (%d runs)\n", a[int((NR+1)/2)]/1000, a[1]/1000, a[NR]/1000, runs}'
