#!/usr/bin/env bash
# Receipts several to a sheet: "brixamo --batch FILE.csv --pdf OUT" for 1,000 and 10,000
# receipts at 1 and at 3 per sheet, in the same run, the four batches taking turns so that all
# meet the same moments of a machine whose speed drifts. For each: pages, wall and CPU time,
# peak memory (GNU time) and PDF size, medians of the runs; then, from the difference between
# 1,000 and 10,000 (the process's start and what the PDF holds once drop out), the marginal
# receipts per second and the PDF bytes per extra receipt.
# Targets at 3 per sheet: >= 1,000 receipts/s marginal, <= 5,837 bytes per extra receipt,
# < 100 MB peak at 10,000.
# Needs GNU time and poppler-utils (pdfinfo).
# Usage: bench/batch/hojas.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-3}
brixamo=$build/app/brixamo
source "$(dirname "$0")/lote_bench.sh"
for n in 1000 10000; do
    csv $n >"$work/lote$n.csv"
done

declare -A wall cpu rss
for _ in $(seq "$runs"); do
    for n in 1000 10000; do
        for per in 1 3; do
            read -r ws cs mb < <(measure "$brixamo" --batch "$work/lote$n.csv" \
                --per-sheet=$per --pdf "$work/hoja$per-$n.pdf")
            wall[$per,$n]+="$ws " cpu[$per,$n]+="$cs " rss[$per,$n]+="$mb "
        done
    done
done

declare -A w c b
printf '%-9s %8s %6s %9s %8s %9s %11s\n' per-sheet receipts pages wall-s cpu-s peak-MB PDF-bytes
for per in 1 3; do
    for n in 1000 10000; do
        w[$per,$n]=$(printf '%s\n' ${wall[$per,$n]} | median)
        c[$per,$n]=$(printf '%s\n' ${cpu[$per,$n]} | median)
        b[$per,$n]=$(stat -c %s "$work/hoja$per-$n.pdf")
        pages=$(pdfinfo "$work/hoja$per-$n.pdf" | awk '/^Pages:/ {print $2}')
        printf '%-9s %8d %6d %9.2f %8.2f %9.1f %11d\n' "$per" "$n" "$pages" "${w[$per,$n]}" \
            "${c[$per,$n]}" "$(printf '%s\n' ${rss[$per,$n]} | median)" "${b[$per,$n]}"
    done
done
for per in 1 3; do
    awk -v per="$per" -v w1="${w[$per,1000]}" -v w2="${w[$per,10000]}" \
        -v c1="${c[$per,1000]}" -v c2="${c[$per,10000]}" \
        -v b1="${b[$per,1000]}" -v b2="${b[$per,10000]}" 'BEGIN {
        printf "%d per sheet: marginal %.0f receipts/s by wall, %.0f by cpu; %.0f PDF bytes per extra receipt\n",
            per, 9000 / (w2 - w1), 9000 / (c2 - c1), (b2 - b1) / 9000
    }'
done
echo "targets at 3 per sheet: >= 1000 receipts/s, <= 5837 bytes per extra receipt, < 100 MB peak"
