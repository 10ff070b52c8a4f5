#!/usr/bin/env bash
# Start-up of the form, offscreen and under Xvfb: wall time and peak memory of the whole
# process (/usr/bin/time -v), median of several runs, and the keystroke-to-total time.
# Usage: bench/startup/medir.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-10}
arranque=$build/bench/startup/bench_arranque
tecla=$build/bench/startup/bench_tecla
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export BRIXAMO_HOME=$home
# Past the first start, so no welcome box waits for an answer.
printf 'Aplicacion Recibos - GetProfileString ok\n1\n\0' >"$home/tarvel.inf"

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

measure() {
    local label=$1; shift
    local walls=() rss=() inner=()
    for _ in $(seq "$runs"); do
        out=$("$@" /usr/bin/time -v "$arranque" 2>&1 >/tmp/brx_bench_out.$$)
        walls+=("$(awk -F': ' '/Elapsed \(wall clock\)/ {n=split($2,p,":"); print (p[n-1]*60+p[n])*1000}' <<<"$out")")
        rss+=("$(awk -F': ' '/Maximum resident set size/ {print $2/1024}' <<<"$out")")
        inner+=("$(awk '{print $(NF-3)}' /tmp/brx_bench_out.$$)")
    done
    rm -f /tmp/brx_bench_out.$$
    printf '%-10s wall %6.0f ms   form idle after %6.1f ms from main   peak RSS %5.1f MB  (median of %d)\n' \
        "$label" "$(printf '%s\n' "${walls[@]}" | median)" \
        "$(printf '%s\n' "${inner[@]}" | median)" \
        "$(printf '%s\n' "${rss[@]}" | median)" "$runs"
}

QT_QPA_PLATFORM=offscreen measure offscreen env
QT_QPA_PLATFORM=xcb measure xvfb xvfb-run -a -s "-screen 0 1280x800x24"
QT_QPA_PLATFORM=offscreen "$tecla"
