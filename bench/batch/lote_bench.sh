# What the batch measurements share: a work folder (removed on exit) holding the settings
# folder and a logo, the stored receipt the rows fill in, and the rows.
# Source it after setting `brixamo`; it sets `work`, BRIXAMO_HOME, `settings` (a copy of the
# settings file to start each run from) and defines `csv N` (N rows on standard output),
# `median` (of numbers, one a line) and `measure COMMAND...`.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export BRIXAMO_HOME=$work/home
mkdir -p "$BRIXAMO_HOME"

# The stored receipt the rows fill in: the euro glyph sign, a hatched frame, a free text, a
# logo of 300 x 600 pixels, six concepts of which the rows change the first amount.
logo=$work/logo.bmp
le() { for ((k = 0; k < $2; k++)); do printf '\\x%02x' $((($1 >> (8 * k)) & 255)); done; }
{
    printf "BM$(le $((54 + 540000)) 4)$(le 0 4)$(le 54 4)"
    printf "$(le 40 4)$(le 300 4)$(le 600 4)$(le 1 2)$(le 24 2)$(le 0 4)$(le 540000 4)"
    printf "$(le 2835 4)$(le 2835 4)$(le 0 4)$(le 0 4)"
    head -c 540000 /dev/urandom
} >"$logo"
# Section, key and value of each setting, one a line, written as the settings file's pairs.
{
    cat <<EOF
Aplicacion Recibos|Idioma|1
Aplicacion Recibos|monetary symbol||A
Aplicacion Recibos|Number of fractional digits|2
Aplicacion Recibos|decimal separator|,
Aplicacion Recibos|saparator between groups|.
Aplicacion Recibos|Relleno|42
Aplicacion Recibos|GetProfileString ok|1
Recibos color|fondo|1
Recibo|Texto1|Comunidad de propietarios
Recibo|FileLogo|$logo
Recibos conceptos|IDC_EDIT_NUMERO|0001/2027
Recibos conceptos|IDC_EDIT_LOCALIDAD|Vigo
Recibos conceptos|IDC_EDIT_FECHA|1 de enero de 2027
Recibos conceptos|IDC_EDIT_COBRADOR_1|Comunidad Rua Nova 12
EOF
    for i in 1 2 3 4 5 6; do
        echo "Recibos conceptos|IDC_EDIT_CONCEPTO_$i|Concepto $i de la cuota"
        echo "Recibos conceptos|IDC_EDIT_IMPORTE_$i|1$i,50"
    done
} | awk -F'|' '{ value = substr($0, length($1 $2) + 3); printf "%s - %s\n%s\n", $1, $2, value }
    END { printf "%c", 0 }' >"$BRIXAMO_HOME/tarvel.inf"
settings=$(mktemp -p "$work")
cp "$BRIXAMO_HOME/tarvel.inf" "$settings"

# n rows: payer, address and the first amount change; the number follows the stored one.
csv() {
    awk -v n="$1" 'BEGIN {
        print "PAGADOR_1;PAGADOR_2;DOMICILIO;IMPORTE_1"
        for (i = 1; i <= n; i++)
            printf "Vecino %d;Piso %d %c;\"Rua Nova 12; portal %d\";%d,%02d\n",
                i, i % 9 + 1, 65 + i % 4, i % 7, 40 + i % 60, i % 100
    }'
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# One run under GNU time: "wall_s cpu_s peak_mb", each batch starting from the same number.
measure() {
    cp "$settings" "$BRIXAMO_HOME/tarvel.inf"
    /usr/bin/time -f '%e %U %S %M' "$@" 2>&1 >/dev/null | tail -1 |
        awk '{printf "%.3f %.3f %.1f\n", $1, $2 + $3, $4 / 1024}'
}
