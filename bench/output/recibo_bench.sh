# The bench receipt, shared by the output measurements and the PDF comparison: every field, the
# euro glyph sign, a hatched frame, three free texts and a logo.
# recibo_bench LOGO writes the settings file that stores it on standard output.
recibo_bench() {
    local logo=$1
    printf '%s\n' \
        "Aplicacion Recibos - Idioma" "1" \
        "Aplicacion Recibos - monetary symbol" "|A" \
        "Aplicacion Recibos - Number of fractional digits" "2" \
        "Aplicacion Recibos - decimal separator" "," \
        "Aplicacion Recibos - saparator between groups" "." \
        "Aplicacion Recibos - Positive currency mode" "3" \
        "Aplicacion Recibos - Negative currency mode" "8" \
        "Aplicacion Recibos - Relleno" "42" \
        "Aplicacion Recibos - GetProfileString ok" "1" \
        "Recibos color - fondo" "1" \
        "Recibo - Texto1" "Comunidad de propietarios" \
        "Recibo - Texto2" "Rua Nova 12, Vigo" \
        "Recibo - Texto3" "CIF H-36000000" \
        "Recibo - FileLogo" "$logo" \
        "Recibos conceptos - IDC_EDIT_NUMERO" "2026/0117" \
        "Recibos conceptos - IDC_EDIT_LOCALIDAD" "Vigo" \
        "Recibos conceptos - IDC_EDIT_FECHA" "9 de diciembre de 2026" \
        "Recibos conceptos - IDC_EDIT_VENCIMIENTO" "31 de diciembre de 2026" \
        "Recibos conceptos - IDC_EDIT_DOMICILIO" "Rua Nova 12, 36202 Vigo" \
        "Recibos conceptos - IDC_EDIT_PAGADOR_1" "Maria Lopez Varela" \
        "Recibos conceptos - IDC_EDIT_PAGADOR_2" "Piso 3 B" \
        "Recibos conceptos - IDC_EDIT_COBRADOR_1" "Administracion Norte" \
        "Recibos conceptos - IDC_EDIT_COBRADOR_2" "Rua do Principe 3"
    local i
    for i in 1 2 3 4 5 6; do
        printf '%s\n' "Recibos conceptos - IDC_EDIT_CONCEPTO_$i" "Cuota mensual $i de la comunidad" \
            "Recibos conceptos - IDC_EDIT_IMPORTE_$i" "1.234,5$i"
    done
    printf '\0'
}
