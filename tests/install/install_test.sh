#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and checks that what landed
# there works on its own: the programs bind the installed dice library
# through their RPATH, the game starts offscreen, the launcher picks the
# player's data folder and the menu entry is valid.
# usage: install_test.sh BUILD_DIR
set -u
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
unset LD_LIBRARY_PATH
# Qt complains on stderr without a runtime folder.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$tmp/runtime}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

for f in bin/kestro bin/kestro-engine bin/kestro-launch lib/libmevra32.so lib/libmevra32.so.1 \
         share/applications/kestro.desktop; do
    [ -e "$prefix/$f" ] || fail "$f is not installed"
done
readelf -d "$prefix/lib/libmevra32.so.1" | grep -q 'SONAME.*\[libmevra32\.so\.1\]' || fail "library SONAME"
for size in 32 64 128; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/kestro.png
    file -b "$png" 2>/dev/null | grep -q "PNG image data, $size x $size" || fail "icon $png"
done

# Programs look for the library beside them first, and nowhere relative to
# the current directory: an empty RUNPATH entry would mean just that.
for program in "$build/kestro" "$build/kestro-engine" "$prefix/bin/kestro" "$prefix/bin/kestro-engine"; do
    runpath=$(readelf -d "$program" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
    case ":$runpath:" in
        :\$ORIGIN:*::*) fail "$program has an empty RUNPATH entry: '$runpath'" ;;
        :\$ORIGIN:*) ;;
        *) fail "$program RUNPATH '$runpath' does not start with \$ORIGIN" ;;
    esac
done

# The installed tools bind the installed library, not the build tree's.
for program in kestro kestro-engine; do
    ldd "$prefix/bin/$program" | grep -q "libmevra32.so.1 => $prefix/bin/\.\./lib/libmevra32.so.1" ||
        fail "$program does not bind $prefix/lib/libmevra32.so.1: $(ldd "$prefix/bin/$program" | grep mevra32)"
done
games=$("$prefix/bin/kestro-engine" selfplay --games 10 --seed 3) || fail "installed kestro-engine selfplay"
grep -qx "games 10" <<<"$games" || fail "selfplay reported: $games"

# The menu entry is valid and names the installed launcher.
entry=$prefix/share/applications/kestro.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"

# The launcher picks the data folder: XDG_DATA_HOME when it is absolute,
# otherwise the XDG default below HOME. A stub game reports where it runs.
stub=$tmp/stub
mkdir -p "$stub"
cp "$prefix/bin/kestro-launch" "$stub/"
printf '#!/bin/sh\npwd\n' >"$stub/kestro"
chmod +x "$stub/kestro"
while read -r xdg want; do
    [ "$xdg" = "-" ] && xdg=""
    got=$(cd / && HOME=$tmp/home XDG_DATA_HOME=$xdg "$stub/kestro-launch") || fail "launcher with XDG_DATA_HOME='$xdg'"
    [ "$got" = "$tmp/$want" ] || fail "launcher with XDG_DATA_HOME='$xdg' ran in '$got', not '$tmp/$want'"
done <<<"$tmp/data data/kestro
- home/.local/share/kestro
relative home/.local/share/kestro"

# The installed game, started through the launcher, comes up offscreen and
# keeps running its event loop. Offscreen, nothing outside the process can
# reach its Exit command, so the run ends with TERM; it counts as clean only
# when the game was still alive, ran the installed binary in the data folder
# with the installed library, said nothing on stderr and died of that TERM alone.
err=$tmp/kestro.err
HOME=$tmp/home XDG_DATA_HOME=$tmp/data QT_QPA_PLATFORM=offscreen "$prefix/bin/kestro-launch" 2>"$err" &
pid=$!
for _ in $(seq 50); do
    grep -q "$prefix/lib/libmevra32.so" "/proc/$pid/maps" 2>/dev/null && break
    sleep 0.1
done
sleep 2
state=$(sed -n 's/^State:\s*\(.\).*/\1/p' "/proc/$pid/status" 2>/dev/null)
case "$state" in
    S | R) ;;
    *) fail "kestro is not running (state '$state')" ;;
esac
[ "$(readlink "/proc/$pid/exe")" = "$prefix/bin/kestro" ] || fail "the launcher did not run the installed kestro"
[ "$(readlink "/proc/$pid/cwd")" = "$tmp/data/kestro" ] || fail "kestro does not run in the data folder"
grep -q "$prefix/lib/libmevra32.so" "/proc/$pid/maps" || fail "kestro did not map the installed library"
kill -TERM "$pid"
wait "$pid"
status=$?
[ "$status" -eq 143 ] || fail "kestro ended with status $status, not by the TERM"
[ ! -s "$err" ] || fail "kestro wrote to stderr: $(cat "$err")"

# Under an X server the game can be left the way a player leaves it.
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
    HOME=$tmp/home XDG_DATA_HOME=$tmp/data xvfb-run -a -s "-screen 0 1024x768x24" \
        bash "$(dirname "$0")/menu_exit.sh" "$prefix/bin/kestro-launch" || fail "File, Exit under Xvfb"
fi

[ "$failures" -eq 0 ]
