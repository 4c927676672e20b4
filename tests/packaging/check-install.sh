#!/usr/bin/env bash
# Installs the build into a temporary prefix, then checks the installed tree the way the
# desktop reads it: executables and the stage link, valid menu entries, the ".lta" file type,
# the icon, and the installed program itself (its command line, and its settings in the
# user's configuration folder when its own folder cannot be written).
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
socat_pid=
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$socat_pid" ] && kill "$socat_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

echo "== executables"
[ -x "$prefix/bin/lumentafel" ] || fail "bin/lumentafel missing"
[ -L "$prefix/bin/RPW" ] || fail "bin/RPW is not a link"
[ "$(readlink "$prefix/bin/RPW")" = lumentafel ] || fail "bin/RPW does not point at lumentafel"
if grep -q lumentafel-board "$build/packaging/cmake_install.cmake"; then
    [ -x "$prefix/bin/lumentafel-board" ] || fail "bin/lumentafel-board missing"
fi

echo "== menu entries"
for entry in lumentafel lumentafel-rpw; do
    file=$prefix/share/applications/$entry.desktop
    [ -f "$file" ] || fail "$entry.desktop missing"
    desktop-file-validate "$file" || fail "$entry.desktop does not validate"
    grep -qx 'MimeType=application/x-lumentafel-sequence;' "$file" || fail "$entry: no MimeType"
    grep -qx 'Icon=lumentafel' "$file" || fail "$entry: no icon"
    command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$file")
    [ -x "$prefix/bin/$command" ] || fail "$entry starts $command, which is not installed"
done

echo "== file type"
mime=$prefix/share/mime
xmllint --noout "$mime/packages/lumentafel.xml" || fail "MIME package is not well-formed"
update-mime-database "$mime" 2>/dev/null
grep -q '^application/x-lumentafel-sequence:\*\.lta$' "$mime/globs" ||
    fail "*.lta does not map to the sequence type"
grep -q 'Lumentafel sequence' "$mime/application/x-lumentafel-sequence.xml" ||
    fail "the sequence type has no name"

echo "== icon"
icons=$prefix/share/icons/hicolor
xmllint --noout "$icons/scalable/apps/lumentafel.svg" || fail "scalable icon is not well-formed"
for size in 16 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/lumentafel.png
    [ -f "$png" ] || fail "no $size pixel icon"
    # The width and height stand in the PNG header, big-endian, at bytes 16 and 20.
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "$size pixel icon is $dims"
done

echo "== command line"
# No display and no platform: the answers need neither.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/lumentafel" --version)
echo "$version"
[[ $version == *"Lumentafel V"*", built "* ]] || fail "unexpected version: $version"
stage=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/RPW" --version)
[[ $stage == *"Rampenwort V"* ]] || fail "the stage link reports: $stage"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/lumentafel" --help |
    grep -q -- '--version' || fail "--help lists no --version"
set +e
QT_QPA_PLATFORM=offscreen "$prefix/bin/lumentafel" --no-such-option >"$work/out" 2>"$work/err"
status=$?
set -e
[ "$status" -eq 2 ] || fail "an unknown option ends with $status, not 2"
grep -q 'no-such-option' "$work/err" || fail "the unknown option is not named on stderr"
[ ! -s "$work/out" ] || fail "an unknown option printed to stdout"

echo "== settings of an installed program"
# The program runs as a user who cannot write its folder: as root, that is nobody.
home=$work/home
mkdir -p "$home/com"
run=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$work"
    chown -R nobody "$home"
    run=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod a-w "$prefix/bin"
fi
"${run[@]}" socat "pty,raw,echo=0,link=$home/com/COM1" "pty,raw,echo=0,link=$home/peer" &
socat_pid=$!
for _ in $(seq 100); do [ -e "$home/com/COM1" ] && break; sleep 0.1; done
[ -e "$home/com/COM1" ] || fail "no pseudo-terminal"
"${run[@]}" mkdir -p "$home/.config/lumentafel"
printf '[Anzeige]\nSeriellerCOM-Port=1\n' | "${run[@]}" tee "$home/.config/lumentafel/lumentafel.ini" >/dev/null
"${run[@]}" env HOME="$home" XDG_CONFIG_HOME="$home/.config" LUMENTAFEL_COM_DIR="$home/com" \
    QT_QPA_PLATFORM=offscreen "$prefix/bin/lumentafel" 2>"$work/log" &
program_pid=$!
for _ in $(seq 200); do grep -q 'start-up complete' "$work/log" && break; sleep 0.1; done
grep -q 'start-up complete' "$work/log" || { cat "$work/log" >&2; fail "the program did not start"; }
kill -TERM "$program_pid"
wait "$program_pid" || fail "the program ended with $? after SIGTERM"
program_pid=
grep -q '^Sprache=' "$home/.config/lumentafel/lumentafel.ini" ||
    fail "the settings were not written to the configuration folder"
[ ! -e "$prefix/bin/lumentafel.ini" ] || fail "settings written beside the installed program"
echo "installed tree is complete"
