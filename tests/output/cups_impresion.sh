#!/usr/bin/env bash
# Prints the stored receipt through a real CUPS spooler: a private cupsd (own configuration,
# spool and socket) with a cups-pdf queue, "brixamo --print QUEUE" pointed at it through
# CUPS_SERVER, then checks the job's name and page count, the texts of the PDF produced and
# that the receipt's full-colour logo came through the whole chain pixel for pixel; then a
# batch, a batch three to a sheet with copies, a batch with its remittance, and a queue's
# correction.
#
# Usage: cups_impresion.sh BRIXAMO [KEEP_DIR]
#   KEEP_DIR: copy the PDF produced there (to look at it); KEEP_WORK=1 keeps the private
#   cupsd folder with its logs.
# Exit 77 (skipped) only when not root: cupsd's backends and cups-pdf need it.
set -euo pipefail

brixamo="$1"
keep="${2:-}"

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: not root, so a private cupsd cannot run the cups-pdf backend"
    exit 77
fi
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
for tool in cupsd lpadmin lpstat pdftotext pdfinfo pdfimages perl; do
    command -v "$tool" >/dev/null || fail "$tool is missing (Debian packages cups, poppler-utils)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is missing (printer-driver-cups-pdf)"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -r "$ppd" ] || fail "$ppd is missing"

work="$(mktemp -d /tmp/brixamo-cups-XXXXXX)"
chmod 755 "$work"
name="brixamo-test-$$"
queue="Recibos_$$"
# cups-pdf reads its settings from /etc/cups only: a file of this queue's own, removed at exit.
pdfconf="/etc/cups/cups-pdf-$name.conf"
cupsd_pid=""

finish() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -f "$pdfconf"
    [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"
}
trap finish EXIT

mkdir -p "$work"/{etc,spool,tmp,cache,state,log,out,cups-pdf-spool,home}
chmod 777 "$work/out" "$work/cups-pdf-spool"
chmod 1777 "$work/tmp"  # the filters run as lp
sock="$work/cups.sock"

cat >"$work/etc/cupsd.conf" <<EOF
Listen $sock
LogLevel debug
Browsing No
WebInterface No
DefaultAuthType None
MaxJobs 10
PreserveJobHistory Yes
PageLogFormat job=%j pages=%P %C name=%{job-name}
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$work/etc/cups-files.conf" <<EOF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
Sandboxing Relaxed
EOF
cat >"$pdfconf" <<EOF
Out $work/out
AnonDirName $work/out
Spool $work/cups-pdf-spool
Log $work/log
LogType 7
Grp root
UserUMask 0000
EOF

cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$sock"
for _ in $(seq 1 100); do
    [ -S "$sock" ] && lpstat -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null || break
    sleep 0.1
done
if ! lpstat -r >/dev/null 2>&1; then
    cat "$work/log/error_log" >&2 2>/dev/null || true
    fail "the private cupsd did not start"
fi

lpadmin -p "$queue" -E -v "cups-pdf:/$name" -P "$ppd" -o pdftops-renderer-default=pdftocairo || fail "lpadmin could not add the queue"
lpstat -p "$queue" | grep -q enabled || fail "the queue is not enabled"

# A 24-bit logo of 300 x 750 pixels, fine-grained so that any lossy step would alter it, and
# its pixels as the PPM that pdfimages writes for an RGB image.
logo="$work/home/logo.bmp"
perl -e '
    my ($w, $h, $bmp, $ppm) = (300, 750, "", "P6\n300 750\n255\n");
    my $pad = "\0" x ((4 - $w * 3 % 4) % 4);
    for my $y (0 .. $h - 1) {
        my ($rgb, $bgr) = ("", "");
        for my $x (0 .. $w - 1) {
            my @c = (($x * 7 + $y) % 256, ($y * 3) % 256, ($x * $y) % 256);
            $rgb .= pack("C3", @c);
            $bgr .= pack("C3", reverse @c);
        }
        $ppm .= $rgb;
        $bmp = $bgr . $pad . $bmp;  # rows bottom-up
    }
    my $info = pack("VllvvVVllVV", 40, $w, $h, 1, 24, 0, length $bmp, 2835, 2835, 0, 0);
    open(my $f, ">", $ARGV[0]) or die; binmode $f;
    print $f "BM", pack("VvvV", 54 + length $bmp, 0, 0, 54), $info, $bmp;
    open(my $g, ">", $ARGV[1]) or die; binmode $g; print $g $ppm;
' "$logo" "$work/logo.ppm"

# The stored receipt to print, in the program's own settings folder.
export BRIXAMO_HOME="$work/home"
printf '%s\n' \
    "Aplicacion Recibos - Idioma" "1" \
    "Aplicacion Recibos - monetary symbol" "EUR" \
    "Aplicacion Recibos - decimal separator" "," \
    "Aplicacion Recibos - saparator between groups" "." \
    "Aplicacion Recibos - Positive currency mode" "3" \
    "Aplicacion Recibos - Relleno" "42" \
    "Aplicacion Recibos - GetProfileString ok" "1" \
    "Recibos conceptos - IDC_EDIT_NUMERO" "C-2026-001" \
    "Recibos conceptos - IDC_EDIT_LOCALIDAD" "Santiago" \
    "Recibos conceptos - IDC_EDIT_CONCEPTO_1" "Mantenimiento anual" \
    "Recibos conceptos - IDC_EDIT_IMPORTE_1" "150,75" \
    "Recibos conceptos - IDC_EDIT_PAGADOR_1" "Lucia Varela" \
    "Recibo - FileLogo" "$logo" \
    "Acreedor - Nombre" "Comunidad Calle Mayor 5" \
    "Acreedor - Identificador" "ES5800012345678Z" \
    "Acreedor - IBAN" "ES8001822370440201234567" >"$BRIXAMO_HOME/tarvel.inf"
printf '\0' >>"$BRIXAMO_HOME/tarvel.inf"

"$brixamo" --print "$queue" || fail "brixamo --print $queue failed"

# The file of the job just sent: the job leaves the queue once cups-pdf has written it. The
# files of earlier jobs, given as arguments, are not it.
new_pdf() {
    local found="" earlier
    for _ in $(seq 1 300); do
        if [ -z "$(lpstat -o "$queue" 2>/dev/null)" ]; then
            for found in $(find "$work/out" -name '*.pdf'); do
                for earlier in "$@"; do
                    [ "$found" = "$earlier" ] && found="" && break
                done
                [ -n "$found" ] && break
            done
            [ -n "$found" ] && break
        fi
        sleep 0.1
    done
    echo "$found"
}
pdf="$(new_pdf)"
if [ -z "$pdf" ]; then
    tail -n 40 "$work/log/error_log" >&2 || true
    fail "no PDF came out of the cups-pdf queue"
fi

completed="$(lpstat -W completed -o "$queue")"
echo "completed: $completed"
[ "$(printf '%s\n' "$completed" | grep -c "^$queue-")" -eq 1 ] || fail "expected one completed job"
job_id="$(printf '%s\n' "$completed" | awk 'NR==1 {print $1}')"
job_id="${job_id##*-}"
echo "output: $(basename "$pdf")"
echo "page log: $(cat "$work/log/page_log")"
grep -qx "job=$job_id pages=total 1 name=Imprimiento Recibo" "$work/log/page_log" ||
    fail "the page log does not show job $job_id named \"Imprimiento Recibo\" with 1 page"
case "$(basename "$pdf")" in
    *Imprimiento_Recibo*.pdf) ;;
    *) fail "cups-pdf did not name its file after the job (it wrote $(basename "$pdf"))" ;;
esac
pages="$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')"
[ "$pages" = "1" ] || fail "the printed PDF has $pages pages, not 1"

text="$(pdftotext "$pdf" -)"
for expected in "C-2026-001" "Santiago" "Mantenimiento anual" "150,75" "Lucia Varela" \
    "150,75 EUR" "numero" "localidad"; do
    grep -qF -- "$expected" <<<"$text" || fail "the printed PDF lacks \"$expected\""
done
# The logo's image in the PDF, as pdfimages finds it, is the logo itself.
mkdir "$work/images"
pdfimages "$pdf" "$work/images/logo" || fail "pdfimages could not read the printed PDF"
found=""
for image in "$work/images"/*; do
    cmp -s "$image" "$work/logo.ppm" && found="$image"
done
[ -n "$found" ] || fail "the printed PDF does not hold the logo's own pixels ($(pdfimages -list "$pdf" | awk 'NR > 2 && $4 == 300 {print $9}') encoding)"
if [ -n "$keep" ]; then
    cp "$pdf" "$keep/"
fi

# A batch of two rows is one job of two pages, each with its payer.
printf 'PAGADOR_1;IMPORTE_1\nAna Souto;10\nXan Pena;20\n' >"$work/pagos.csv"
"$brixamo" --batch "$work/pagos.csv" --print "$queue" || fail "brixamo --batch --print failed"
batch_pdf="$(new_pdf "$pdf")"
[ -n "$batch_pdf" ] || fail "no PDF came out of the cups-pdf queue for the batch"
[ "$(lpstat -W completed -o "$queue" | grep -c "^$queue-")" -eq 2 ] || fail "expected two completed jobs"
grep -q "pages=total 2 name=Imprimiento Recibo" "$work/log/page_log" ||
    fail "the page log does not show the batch as one job of 2 pages: $(cat "$work/log/page_log")"
for page in 1 2; do
    payer=$([ $page = 1 ] && echo "Ana Souto" || echo "Xan Pena")
    pdftotext -f $page -l $page "$batch_pdf" - | grep -qF "$payer" ||
        fail "page $page of the batch lacks \"$payer\""
done

# Three to a sheet, each followed by its copy: three receipts and their copies are one job of
# two sheets, the first holding the first receipt, its copy and the second receipt.
printf 'PAGADOR_1;IMPORTE_1\nAna Souto;10\nXan Pena;20\nRosa Lema;30\n' >"$work/tres.csv"
"$brixamo" --batch "$work/tres.csv" --per-sheet=3 --copies=2 --cut-marks --print "$queue" ||
    fail "brixamo --batch --per-sheet=3 --copies=2 --print failed"
sheets_pdf="$(new_pdf "$pdf" "$batch_pdf")"
[ -n "$sheets_pdf" ] || fail "no PDF came out of the cups-pdf queue for the sheets"
grep -q "pages=total 2 name=Imprimiento Recibo" <(tail -n 1 "$work/log/page_log") ||
    fail "the page log does not show the sheets as one job of 2 pages: $(cat "$work/log/page_log")"
first_sheet="$(pdftotext -f 1 -l 1 "$sheets_pdf" -)"
for expected in "Ana Souto" "ORIGINAL" "COPIA" "Xan Pena"; do
    grep -qF -- "$expected" <<<"$first_sheet" || fail "the first sheet lacks \"$expected\""
done
[ "$(grep -c "Ana Souto" <<<"$first_sheet")" -eq 2 ] || fail "the first sheet lacks the copy of Ana Souto's receipt"

# The month's receipts and the bank's remittance in one run: every receipt is printed as one
# job, the row with an IBAN is also a debit. A batch whose remittance is refused prints nothing.
collection="$(date -d tomorrow +%F)"
printf 'NUMERO;PAGADOR_1;IMPORTE_1;IBAN;MANDATO;FECHA_MANDATO\nR-1;Ana Souto;10;ES9121000418450200051332;M-1;2024-01-15\nR-2;Xan Pena;20;;;\n' >"$work/remesa.csv"
"$brixamo" --batch "$work/remesa.csv" --sepa "$work/remesa.xml" --collection-date "$collection" \
    --print "$queue" || fail "brixamo --batch --sepa --print failed"
sepa_pdf="$(new_pdf "$pdf" "$batch_pdf" "$sheets_pdf")"
[ -n "$sepa_pdf" ] || fail "no PDF came out of the cups-pdf queue for the batch with a remittance"
[ "$(pdfinfo "$sepa_pdf" | awk '/^Pages:/ {print $2}')" = "2" ] ||
    fail "the batch with a remittance did not print both receipts"
grep -q "<EndToEndId>R-1</EndToEndId>" "$work/remesa.xml" || fail "the remittance lacks the debit of R-1"
! grep -q "R-2" "$work/remesa.xml" || fail "the receipt without an IBAN is in the remittance"
jobs_before="$(lpstat -W completed -o "$queue" | grep -c "^$queue-")"
sed 's/ES9121000418450200051332/ES9221000418450200051332/' "$work/remesa.csv" >"$work/mala.csv"
if "$brixamo" --batch "$work/mala.csv" --sepa "$work/mala.xml" --collection-date "$collection" \
    --print "$queue" 2>"$work/mala.err"; then
    fail "a batch with a bad IBAN was printed"
fi
grep -q "mala.csv:2: IBAN" "$work/mala.err" || fail "the refusal does not name row 2's IBAN: $(cat "$work/mala.err")"
[ ! -e "$work/mala.xml" ] || fail "a refused remittance was written"
sleep 1
[ -z "$(lpstat -o "$queue" 2>/dev/null)" ] &&
    [ "$(lpstat -W completed -o "$queue" | grep -c "^$queue-")" = "$jobs_before" ] ||
    fail "a batch whose remittance was refused sent a job to the queue"

# The queue's stored correction moves every page printed on it: 10 mm right and 5 mm down.
"$brixamo" --calibrate "$queue" --offset=10,5 --scale=100,100 || fail "brixamo --calibrate failed"
"$brixamo" --print "$queue" || fail "brixamo --print $queue failed after --calibrate"
moved_pdf="$(new_pdf "$pdf" "$batch_pdf" "$sheets_pdf" "$sepa_pdf")"
[ -n "$moved_pdf" ] || fail "no PDF came out of the cups-pdf queue for the corrected print"
# The top-left corner of the word "Santiago", in points.
corner() {
    pdftotext -bbox "$1" - | perl -ne 'print "$1 $2\n" if /xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>Santiago</'
}
read -r x0 y0 <<<"$(corner "$pdf")"
read -r x1 y1 <<<"$(corner "$moved_pdf")"
echo "Santiago: at $x0,$y0 pt; corrected at $x1,$y1 pt"
perl -e 'exit(abs($ARGV[2] - $ARGV[0] - 10 * 72 / 25.4) < 0.5 && abs($ARGV[3] - $ARGV[1] - 5 * 72 / 25.4) < 0.5 ? 0 : 1)' \
    "$x0" "$y0" "$x1" "$y1" || fail "the corrected page is not moved 10 mm right and 5 mm down"

echo "PASSED: job $job_id \"Imprimiento Recibo\", 1 page, receipt texts and exact logo found"
echo "PASSED: the batch of 2 rows printed as one job of 2 pages"
echo "PASSED: 3 receipts and their copies printed three to a sheet as one job of 2 pages"
echo "PASSED: a batch printed with its remittance in one run; a refused remittance printed nothing"
echo "PASSED: the queue's correction moved the page by 10 mm and 5 mm"
