#!/usr/bin/env bash
# Whether two builds print the bench receipt alike: both write it with "brixamo --pdf" from the
# same settings file and logo, and the two PDFs are compared byte for byte apart from their
# creation dates, then as pages rendered at 300 dpi. For restructurings of the code that must
# not change what is printed. The document as the PDF writer made it (up to its first
# end-of-file marker) is compared apart from what an update appended to the finished file
# says (the viewer preference of every PDF), which is shown.
# Usage: bench/output/comparar_pdf.sh BUILD_DIR_BEFORE BUILD_DIR_AFTER
set -euo pipefail
source "$(dirname "$0")/recibo_bench.sh"
before=${1:?build directory before}
after=${2:?build directory after}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# A logo of 300 x 600 pixels that needs no image tool: a 24-bit BMP with a colour gradient.
python3 - "$work/logo.bmp" <<'PY'
import struct, sys
w, h = 300, 600
row = (w * 3 + 3) & ~3
pixels = bytearray()
for y in range(h):
    line = bytearray()
    for x in range(w):
        line += bytes((x * 255 // w, y * 255 // h, 128))
    pixels += line + bytes(row - len(line))
header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open(sys.argv[1], 'wb').write(header + info + pixels)
PY

print_with() {
    local build=$1 name=$2
    export BRIXAMO_HOME=$work/$name
    mkdir -p "$BRIXAMO_HOME"
    recibo_bench "$work/logo.bmp" >"$BRIXAMO_HOME/tarvel.inf"
    "$build/app/brixamo" --pdf "$work/$name.pdf"
    sed -E 's/\/CreationDate \(D:[0-9Z+'"'"'-]*\)//' "$work/$name.pdf" >"$work/$name.sin-fecha"
    # The document, and what follows its first end-of-file marker.
    python3 - "$work/$name.sin-fecha" "$work/$name.documento" "$work/$name.anadido" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
end = data.find(b'%%EOF')
end = len(data) if end < 0 else end + len(b'%%EOF\n')
open(sys.argv[2], 'wb').write(data[:end])
open(sys.argv[3], 'wb').write(data[end:])
PY
    pdftoppm -r 300 -png "$work/$name.pdf" "$work/$name"
}
print_with "$before" antes
print_with "$after" despues

if cmp -s "$work/antes.sin-fecha" "$work/despues.sin-fecha"; then
    echo "identical: the two PDFs differ only in their creation dates ($(stat -c %s "$work/antes.pdf") bytes)"
    exit 0
fi
if cmp -s "$work/antes.documento" "$work/despues.documento"; then
    echo "identical documents apart from their creation dates ($(stat -c %s "$work/antes.documento") bytes);"
    for name in antes despues; do
        echo "$name appends $(stat -c %s "$work/$name.anadido") bytes:"
        grep -a '^/' "$work/$name.anadido" | sed 's/^/    /' || true
    done
    exit 0
fi
echo "the PDFs differ beyond their creation dates"
for page in "$work"/antes-*.png; do
    other=$work/despues-${page##*/antes-}
    if ! cmp -s "$page" "$other"; then
        echo "rendered page ${page##*/} differs"
        exit 1
    fi
done
echo "but their pages render to the same pixels at 300 dpi"
exit 1
