#!/usr/bin/env bash
# Builds the Debian package of a build with cpack and checks it the way an archive and a
# desktop would: its control fields, its files unpacked into a scratch root, the stripped
# binary running from there, the menu entry, the AppStream metadata, the manual page, and
# lintian with no errors (warnings are shown, not fatal).
#
# Usage: paquete.sh BUILD_DIR VERSION
set -euo pipefail

build="$1"
version="$2"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog file desktop-file-validate \
    appstreamcli lintian man lexgrog; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh test)"
done

work="$(mktemp -d /tmp/brixamo-paquete-XXXXXX)"
trap 'rm -rf "$work"' EXIT

echo "-- cpack -G DEB"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
deb="${debs[0]}"

echo "-- dpkg-deb --info"
dpkg-deb --info "$deb" >/dev/null || fail "dpkg-deb cannot read $deb"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = brixamo ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the project is $version"
for f in Section Priority Maintainer Description Homepage; do
    [ -n "$(field "$f")" ] || fail "no $f field"
done
depends="$(field Depends)"
# From dpkg-shlibdeps (the Qt libraries bring the CUPS client library), and the two the
# program loads without linking them.
for d in libc6 libstdc++6 libqt6widgets6 libqt6printsupport6 fonts-liberation2 \
    qt6-translations-l10n; do
    [[ ", $depends," == *", $d "* || ", $depends," == *", $d,"* ]] || fail "Depends lacks $d: $depends"
done

echo "-- dpkg -x"
root="$work/root"
dpkg -x "$deb" "$root"
icons=usr/share/icons/hicolor
files=(usr/bin/brixamo usr/share/applications/brixamo.desktop
    usr/share/metainfo/org.brixamo.Brixamo.metainfo.xml usr/share/man/man1/brixamo.1.gz
    usr/share/doc/brixamo/copyright usr/share/doc/brixamo/changelog.gz
    "$icons/scalable/apps/brixamo.svg")
for size in 16 32 48 64 128 256; do
    files+=("$icons/${size}x${size}/apps/brixamo.png")
done
for f in "${files[@]}"; do
    [ -f "$root/$f" ] || fail "not in the package: /$f"
done
extra="$(cd "$root" && find . -type f | sed 's|^\./||' | sort |
    comm -23 - <(printf '%s\n' "${files[@]}" | sort))"
[ -z "$extra" ] || fail "files nobody asked for: $extra"

binary="$root/usr/bin/brixamo"
kind="$(file -b "$binary")"
[[ "$kind" == ELF*", stripped"* ]] || fail "the binary is not stripped: $kind"
first="$("$binary" --version | head -n 1)"
[ "$first" = "brixamo $version" ] || fail "the packaged brixamo says '$first'"
BRIXAMO_HOME="$work/home" QT_QPA_PLATFORM=offscreen "$binary" --pdf "$work/recibo.pdf" ||
    fail "the packaged brixamo --pdf failed"
[ "$(head -c 5 "$work/recibo.pdf")" = "%PDF-" ] || fail "--pdf wrote no PDF"

echo "-- desktop-file-validate, appstreamcli validate"
desktop-file-validate "$root/usr/share/applications/brixamo.desktop" ||
    fail "desktop-file-validate"
metainfo="$root/usr/share/metainfo/org.brixamo.Brixamo.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
# The tree as installed: the metadata with the menu entry and icon it names.
appstreamcli validate-tree --no-net "$root" >/dev/null || fail "appstreamcli validate-tree"
grep -q '<launchable type="desktop-id">brixamo.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not launch brixamo.desktop"
release="$(grep -o -m 1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)"
[ "$release" = "$version" ] || fail "the metainfo's latest release is $release, not $version"
zcat "$root/usr/share/doc/brixamo/changelog.gz" >"$work/changelog"
entry="$(dpkg-parsechangelog -l "$work/changelog" -S Version)"
[ "$entry" = "$version" ] || fail "the changelog's latest entry is $entry, not $version"

echo "-- man"
manual="$root/usr/share/man/man1/brixamo.1.gz"
warnings="$(MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "man warns: $warnings"
lexgrog "$manual" >/dev/null || fail "lexgrog finds no NAME line"
zcat "$manual" | grep -q "brixamo $version" || fail "the manual page is not of version $version"

echo "-- lintian"
status=0
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian reports errors"
echo "package ok: $(basename "$deb"), $(stat -c %s "$deb") bytes, binary $(stat -c %s "$binary") bytes"
