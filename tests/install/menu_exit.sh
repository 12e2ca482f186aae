#!/usr/bin/env bash
# Runs inside an X server: starts the game as the menu entry does, then leaves
# it the way a player does, File and Exit from the keyboard. The game must end
# by itself with status 0 and say nothing on stderr.
# usage: menu_exit.sh LAUNCHER
set -u
launcher=$1
unset QT_QPA_PLATFORM
err=$(mktemp)
trap 'rm -f "$err"' EXIT

"$launcher" 2>"$err" &
pid=$!
# The game's own windows: the main window, and the menu once it drops down.
windows() { xdotool search --onlyvisible --classname '^kestro$' 2>/dev/null | wc -l; }
for _ in $(seq 100); do
    [ "$(windows)" -ge 1 ] && break
    sleep 0.1
done
wid=$(xdotool search --onlyvisible --classname '^kestro$' | head -1)
[ -n "$wid" ] || { echo "no window appeared"; kill "$pid"; exit 1; }
xdotool windowfocus --sync "$wid"

# The key that chooses Exit waits until the menu is up to receive it.
xdotool key alt+f
for _ in $(seq 100); do
    [ "$(windows)" -ge 2 ] && break
    sleep 0.1
done
xdotool key x
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "File, Exit did not end the game"
    kill "$pid"
fi
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "the game ended with status $status"; exit 1; }
[ ! -s "$err" ] || { echo "the game wrote to stderr: $(cat "$err")"; exit 1; }
