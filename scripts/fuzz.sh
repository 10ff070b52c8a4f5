#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, from the seeds made
# here: the example batch in both separators and encodings, small registers made by the seed
# generator, and a few command lines.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${BRX_FUZZ_SECONDS:-30}"
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRX_FUZZ=ON \
    -DBRX_TESTS=OFF -DBRX_WERROR=ON >/dev/null
cmake --build build-fuzz --target brx_fuzzers -j"$(nproc)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Seeds, one folder per fuzzer (none for the others).
seeds="$work/seeds"
mkdir -p "$seeds/fuzz_lote_csv" "$seeds/fuzz_registro" "$seeds/fuzz_linea_comandos"
csv="$seeds/fuzz_lote_csv"
cp examples/pagos.csv "$csv/utf8.csv"
printf '\357\273\277' | cat - examples/pagos.csv >"$csv/bom.csv"
iconv -f UTF-8 -t WINDOWS-1252 examples/pagos.csv >"$csv/windows-1252.csv"
sed 's/$/\r/' examples/pagos.csv >"$csv/crlf.csv"
# Commas as the separator: the quoted fields hold commas, the amounts a decimal point.
sed -e 's/,\([0-9]\)/.\1/g' -e 's/;/,/g' examples/pagos.csv >"$csv/comas.csv"
build-fuzz/tests/fuzz/semillas_registro "$seeds/fuzz_registro"
# Words parted by NUL bytes, as the command-line fuzzer reads them.
words() { printf '%s\0' "$@" | head -c -1; }
lines="$seeds/fuzz_linea_comandos"
words --batch pagos.csv --dry-run >"$lines/batch"
words --pdf=recibo.pdf >"$lines/pdf"
words --print cola >"$lines/print"
words --list --from 2026-01-01 --payer ana --csv >"$lines/list"
words --reprint=12 --pdf copia.pdf >"$lines/reprint"
words --backup copia.sqlite >"$lines/backup"
words -hv >"$lines/help"

for f in build-fuzz/tests/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    name="$(basename "$f")"
    echo "-- $f for ${seconds}s"
    corpus="$work/corpus-$name"
    mkdir -p "$corpus" "$seeds/$name"
    home="$work/home-$name"
    mkdir -p "$home"
    BRIXAMO_HOME="$home" "$f" -max_total_time="$seconds" -max_len=65536 "$corpus" "$seeds/$name"
done
