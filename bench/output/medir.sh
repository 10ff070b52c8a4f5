#!/usr/bin/env bash
# Receipt output:
#  1. "brixamo --pdf" as a whole process: wall time and peak memory (/usr/bin/time -v), medians
#     of several runs, and the size of the PDF;
#  2. one preview repaint at 96 dpi on an image (bench_repintado), median;
#  3. side by side, the same receipt as a document converted to PDF by LibreOffice Writer
#     headless, and the ratio of the two wall times. The runs of the two programs alternate, so
#     that both meet the same moments of a machine whose speed drifts.
# LibreOffice Writer (libreoffice-writer-nogui), GNU time and ImageMagick (for the logo) are
# installed here when missing, for these measurements only; the program and its tests never
# need LibreOffice.
# Usage: bench/output/medir.sh BUILD_DIR [RUNS]
set -euo pipefail
source "$(dirname "$0")/recibo_bench.sh"
build=${1:?build directory}
runs=${2:-10}
brixamo=$build/app/brixamo
repintado=$build/bench/output/bench_repintado
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export BRIXAMO_HOME=$work/home
mkdir -p "$BRIXAMO_HOME"

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}" >/dev/null
}
install_missing time imagemagick libreoffice-writer-nogui

# The stored receipt of bench/output/recibo_bench.sh, with its logo.
logo=$work/logo.png
convert -size 300x600 gradient:navy-orange "$logo"
recibo_bench "$logo" >"$BRIXAMO_HOME/tarvel.inf"

# The same texts as a document for LibreOffice Writer to convert to PDF.
{
    echo '<html><head><meta charset="utf-8"><title>Imprimiento Recibo</title></head><body>'
    echo '<table border="1" style="width:193.9mm; font-family:Liberation Serif">'
    echo '<tr><td>numero<br>2026/0117</td><td>localidad<br>Vigo</td><td>importe<br>*****7.408,86 &euro;</td></tr>'
    echo '<tr><td colspan="2">fecha<br>9 de diciembre de 2026</td><td>vencimiento<br>31 de diciembre de 2026</td></tr>'
    for i in 1 2 3 4 5 6; do
        echo "<tr><td colspan=\"2\">Cuota mensual $i de la comunidad</td><td align=\"right\">1.234,5$i</td></tr>"
    done
    echo '<tr><td colspan="3">domicilio<br>Rua Nova 12, 36202 Vigo</td></tr>'
    echo '<tr><td>pagador<br>Maria Lopez Varela<br>Piso 3 B</td><td colspan="2">cobrador<br>Administracion Norte<br>Rua do Principe 3</td></tr>'
    echo "</table><img src=\"$logo\" width=\"113\"><p>Comunidad de propietarios</p></body></html>"
} >"$work/recibo.html"

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# Wall time of one run in ms, read by the shell itself before and after it: no helper process
# (date, GNU time) is started inside the measured time.
wall_ms() {
    local start=${EPOCHREALTIME/[.,]/}
    "$@" >/dev/null 2>&1
    local end=${EPOCHREALTIME/[.,]/}
    awk -v us=$((end - start)) 'BEGIN {printf "%.1f\n", us / 1000}'
}
rss_mb() {
    /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ {print $2/1024}'
}

# The preview repaint first, before LibreOffice has run on the machine.
repaint=$("$repintado" 300 2>/dev/null)

brixamo_pdf=("$brixamo" --pdf "$work/recibo.pdf")
soffice_pdf=(soffice "-env:UserInstallation=file://$work/lo-profile" --headless
    --convert-to pdf:writer_pdf_Export --outdir "$work/lo" "$work/recibo.html")
# One run of each first: file cache, and LibreOffice's profile.
"${brixamo_pdf[@]}" >/dev/null 2>&1
"${soffice_pdf[@]}" >/dev/null 2>&1
[ -s "$work/lo/recibo.pdf" ] || echo "warning: LibreOffice wrote no PDF"

# The two programs alternating: two runs of ours for each run of LibreOffice.
ours=() theirs=() rss=()
for i in $(seq "$runs"); do
    ours+=("$(wall_ms "${brixamo_pdf[@]}")")
    if [ $((i % 2)) -eq 1 ]; then
        theirs+=("$(wall_ms "${soffice_pdf[@]}")")
    fi
done
for _ in 1 2 3; do
    rss+=("$(rss_mb "${brixamo_pdf[@]}")")
done
ours_ms=$(printf '%s\n' "${ours[@]}" | median)
theirs_ms=$(printf '%s\n' "${theirs[@]}" | median)
printf 'brixamo --pdf       wall %7.1f ms   peak RSS %5.1f MB   (median of %d; targets < 120 ms, < 60 MB)\n' \
    "$ours_ms" "$(printf '%s\n' "${rss[@]}" | median)" "${#ours[@]}"

printf 'PDF size            %d bytes (the 300 x 600 logo is stored lossless)\n' \
    "$(stat -c %s "$work/recibo.pdf")"
echo "bench_repintado     $repaint"
printf 'LibreOffice Writer  wall %7.1f ms   (median of %d, warm profile)\n' "$theirs_ms" "${#theirs[@]}"
awk -v a="$theirs_ms" -v b="$ours_ms" 'BEGIN {printf "ratio               brixamo --pdf is %.1fx faster (target >= 30x)\n", a / b}'
