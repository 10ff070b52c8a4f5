#!/usr/bin/env bash
# Receipt batches into one PDF:
#  1. "brixamo --batch FILE.csv --pdf OUT" for 1, 1,000 and 10,000 receipts as whole processes:
#     wall and CPU time, peak memory (/usr/bin/time -v) and PDF size. The marginal rate and the
#     bytes per additional receipt come from the difference between 1,000 and 10,000, so the
#     start of the process and what the PDF holds once (fonts, glyph cells, logo) drop out;
#  2. "--pdf-dir DIR" for 1,000 receipts, one PDF file each: wall time, receipts/s and bytes;
#  3. side by side, what a user scripts today: 1,000 "brixamo --pdf" runs joined by pdfunite;
#  4. when LibreOffice is installed (bench/output/medir.sh installs it), the same 1,000
#     receipts as one HTML document of 1,000 pages converted to PDF by Writer headless.
# Targets: >= 500 receipts/s marginal, < 100 MB peak at 10,000, < 8 KB per additional receipt;
# >= 20 files/s for --pdf-dir, each file holding the logo.
# Needs GNU time and poppler-utils (pdfinfo, pdfunite).
# Usage: bench/batch/medir.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-3}
brixamo=$build/app/brixamo
source "$(dirname "$0")/lote_bench.sh"
for n in 1 1000 10000; do
    csv $n >"$work/lote$n.csv"
done

declare -A wall cpu rss bytes
for n in 1 1000 10000; do
    w=() c=() m=()
    for _ in $(seq "$runs"); do
        read -r ws cs mb < <(measure "$brixamo" --batch "$work/lote$n.csv" --pdf "$work/lote$n.pdf")
        w+=("$ws") c+=("$cs") m+=("$mb")
    done
    wall[$n]=$(printf '%s\n' "${w[@]}" | median)
    cpu[$n]=$(printf '%s\n' "${c[@]}" | median)
    rss[$n]=$(printf '%s\n' "${m[@]}" | median)
    bytes[$n]=$(stat -c %s "$work/lote$n.pdf")
    pages=$(pdfinfo "$work/lote$n.pdf" | awk '/^Pages:/ {print $2}')
    [ "$pages" = "$n" ] || echo "warning: lote$n.pdf has $pages pages"
    printf 'batch %5d   wall %7.2f s   cpu %7.2f s   peak RSS %6.1f MB   PDF %9d bytes\n' \
        "$n" "${wall[$n]}" "${cpu[$n]}" "${rss[$n]}" "${bytes[$n]}"
done
awk -v w1="${wall[1000]}" -v w2="${wall[10000]}" -v c1="${cpu[1000]}" -v c2="${cpu[10000]}" \
    -v b1="${bytes[1000]}" -v b2="${bytes[10000]}" 'BEGIN {
    printf "marginal            %.0f receipts/s by wall, %.0f by cpu   (target >= 500)\n",
        9000 / (w2 - w1), 9000 / (c2 - c1)
    printf "per extra receipt   %.0f bytes of PDF   (target < 8192)\n", (b2 - b1) / 9000
}'

# One file per receipt, into a folder emptied before each run. Each file carries the logo.
w=() c=() m=()
for _ in $(seq "$runs"); do
    rm -rf "$work/recibos" && mkdir "$work/recibos"
    read -r ws cs mb < <(measure "$brixamo" --batch "$work/lote1000.csv" --pdf-dir "$work/recibos")
    w+=("$ws") c+=("$cs") m+=("$mb")
done
files=$(find "$work/recibos" -name '*.pdf' | wc -l)
[ "$files" = 1000 ] || echo "warning: --pdf-dir wrote $files files"
printf -- '--pdf-dir 1000      wall %7.2f s   cpu %7.2f s   peak RSS %6.1f MB   %d bytes\n' \
    "$(printf '%s\n' "${w[@]}" | median)" "$(printf '%s\n' "${c[@]}" | median)" \
    "$(printf '%s\n' "${m[@]}" | median)" "$(du -sb "$work/recibos" | cut -f1)"
printf '%s\n' "${w[@]}" | median |
    awk '{printf "files per second    %.0f by wall   (target >= 20)\n", 1000 / $1}'

# What a user scripts today: one process per receipt, then one file of them all.
cp "$settings" "$BRIXAMO_HOME/tarvel.inf"
start=${EPOCHREALTIME/[.,]/}
for i in $(seq 1000); do
    "$brixamo" --pdf "$work/uno$i.pdf" >/dev/null 2>&1
done
pdfunite $(seq -f "$work/uno%g.pdf" 1000) "$work/unidos.pdf"
end=${EPOCHREALTIME/[.,]/}
singles=$(awk -v us=$((end - start)) 'BEGIN {printf "%.2f", us / 1e6}')
printf '1000 x --pdf + pdfunite   wall %7.2f s   PDF %9d bytes\n' "$singles" \
    "$(stat -c %s "$work/unidos.pdf")"
awk -v a="$singles" -v b="${wall[1000]}" 'BEGIN {printf "ratio               the batch is %.1fx faster\n", a / b}'

if ! command -v soffice >/dev/null; then
    echo "LibreOffice Writer  not installed: skipped"
    exit 0
fi
# The same 1,000 receipts as one document of 1,000 pages for Writer to convert.
awk -F';' 'NR > 1 {
    printf "<table border=\"1\" style=\"width:193.9mm; page-break-after:always\">"
    printf "<tr><td>numero<br>2026/%04d</td><td>localidad<br>Vigo</td><td>importe</td></tr>", NR - 1
    for (i = 1; i <= 6; i++)
        printf "<tr><td colspan=\"2\">Concepto %d de la cuota</td><td>1%d,50</td></tr>", i, i
    printf "<tr><td colspan=\"3\">domicilio<br>%s</td></tr>", $3
    printf "<tr><td>pagador<br>%s<br>%s</td><td colspan=\"2\">cobrador</td></tr></table>\n", $1, $2
}' "$work/lote1000.csv" | { echo '<html><body>'; cat; echo '</body></html>'; } >"$work/mil.html"
soffice_pdf=(soffice "-env:UserInstallation=file://$work/lo-profile" --headless
    --convert-to pdf:writer_pdf_Export --outdir "$work/lo" "$work/mil.html")
"${soffice_pdf[@]}" >/dev/null 2>&1 # the profile's first start
start=${EPOCHREALTIME/[.,]/}
"${soffice_pdf[@]}" >/dev/null 2>&1
end=${EPOCHREALTIME/[.,]/}
lo=$(awk -v us=$((end - start)) 'BEGIN {printf "%.2f", us / 1e6}')
printf 'LibreOffice Writer  wall %7.2f s for 1000 receipts as one document\n' "$lo"
awk -v a="$lo" -v b="${wall[1000]}" 'BEGIN {printf "ratio               the batch is %.1fx faster\n", a / b}'
