#!/usr/bin/env bash
# The bank remittance from a batch:
#  1. "brixamo --batch FILE.csv --sepa OUT --collection-date D" for 10,000 debits, the remittance
#     alone, as a whole process: wall time and peak memory (/usr/bin/time -v), file size;
#  2. the same batch (1,000 rows by default) with --pdf, and with --pdf and --sepa together: what
#     the remittance adds to a print run.
# Each run starts from the same settings and an empty register, so that runs do not pile up.
# Targets: < 1 s and < 100 MB for 10,000 debits; --pdf --sepa at most 10 % over --pdf alone.
# Needs GNU time and Debian's python3 (to make valid IBANs).
# Usage: bench/remesa/medir.sh BUILD_DIR [RUNS] [PDF_ROWS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-3}
pdf_rows=${3:-1000}
brixamo=$build/app/brixamo
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export BRIXAMO_HOME=$work/home
mkdir -p "$BRIXAMO_HOME"
collection=$(date -d '+7 days' +%F)

{
    cat <<EOF2
Aplicacion Recibos|Idioma|1
Aplicacion Recibos|monetary name|Euro
Aplicacion Recibos|monetary symbol||A
Aplicacion Recibos|Number of fractional digits|2
Aplicacion Recibos|decimal separator|,
Aplicacion Recibos|saparator between groups|.
Aplicacion Recibos|Relleno|42
Aplicacion Recibos|GetProfileString ok|1
Recibos conceptos|IDC_EDIT_NUMERO|0001/2027
Recibos conceptos|IDC_EDIT_CONCEPTO_1|Cuota de enero de la comunidad
Recibos conceptos|IDC_EDIT_COBRADOR_1|Comunidad Rua Nova 12
Acreedor|Nombre|Comunidad de Propietarios Rua Nova 12
Acreedor|Identificador|ES58000 12345678Z
Acreedor|IBAN|ES80 0182 2370 4402 0123 4567
EOF2
} | awk -F'|' '{ value = substr($0, length($1 $2) + 3); printf "%s - %s\n%s\n", $1, $2, value }
    END { printf "%c", 0 }' >"$work/tarvel.inf"

# n rows, each its own payer, amount and valid Spanish IBAN (the account code's digits too).
filas() {
    /usr/bin/python3 - "$1" <<'EOF2'
import sys
W = [1, 2, 4, 8, 5, 10, 9, 7, 3, 6]
def dc(s):
    n = 11 - sum(int(c) * W[i] for i, c in enumerate(s)) % 11
    return 0 if n == 11 else 1 if n == 10 else n
def iban(bban):
    v = int(''.join(str(int(c, 36)) for c in bban + "ES00"))
    return "ES%02d%s" % (98 - v % 97, bban)
print("PAGADOR_1;IMPORTE_1;IBAN;MANDATO;FECHA_MANDATO;SECUENCIA")
for i in range(int(sys.argv[1])):
    cuenta = "%010d" % (1000000 + i * 7919)
    ccc = "2100" + "0418" + str(dc("0021000418")) + str(dc(cuenta)) + cuenta
    print("Vecina n\u00famero %d;%d,%02d;%s;M-%06d;2024-01-15;%s"
          % (i, 20 + i % 80, i % 100, iban(ccc), i, "FRST" if i % 10 == 0 else "RCUR"))
EOF2
}
filas 10000 >"$work/10000.csv"
filas "$pdf_rows" >"$work/pdf.csv"

# One run from a fresh home: "wall_s peak_kb".
medir() {
    rm -f "$BRIXAMO_HOME"/*
    cp "$work/tarvel.inf" "$BRIXAMO_HOME/tarvel.inf"
    /usr/bin/time -v -o "$work/time" "$brixamo" "$@" >/dev/null
    awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = t[n] + (n > 1 ? 60 * t[n - 1] : 0) }
        /Maximum resident/ { kb = $2 } END { printf "%.3f %d\n", s, kb }' "$work/time"
}

# The best of the runs, "wall_s peak_kb".
mejor() {
    for ((r = 0; r < runs; r++)); do medir "$@"; done | sort -n | head -1
}

read -r wall kb < <(mejor --batch "$work/10000.csv" --sepa "$work/remesa.xml" \
    --collection-date "$collection")
size=$(stat -c %s "$work/remesa.xml")
printf 'remittance alone, 10000 debits: %s s, peak %d MB, file %d KB\n' "$wall" $((kb / 1024)) \
    $((size / 1024))

read -r pdf _ < <(mejor --batch "$work/pdf.csv" --pdf "$work/lote.pdf")
read -r ambos _ < <(mejor --batch "$work/pdf.csv" --pdf "$work/lote.pdf" --sepa "$work/r.xml" \
    --collection-date "$collection")
awk -v n="$pdf_rows" -v a="$pdf" -v b="$ambos" 'BEGIN {
    printf "%d receipts: --pdf %.3f s, --pdf --sepa %.3f s: %+.1f %%\n", n, a, b, 100 * (b - a) / a }'
