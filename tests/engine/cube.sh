#!/usr/bin/env bash
# kestro-engine cube answers at money play and at match scores, and goes on
# after a bad line. Only the actions are compared: the equities follow the
# network's weights.
# usage: cube.sh ENGINE
set -u
board="XGID=-b----E-C---eE---c-e----B-:0:0"
input="$board:-1:00:6:3:0:7:10
$board:-1:00:5:5:0:7:10
$board:1:00:6:3:1:7:10
$board:-1:00:0:0:0:0:10
$board:1:31:0:0:0:0:10"
want="double take
double take
error: line 3: nobody may double in this game
no-double take
error: line 5: the dice are thrown: the cube is decided before the throw (dice 00)"
out=$(printf '%s\n' "$input" | "$1" cube | sed -E 's/^([a-z-]+ [a-z]+) .*/\1/')
status=$?
[ "$out" = "$want" ] && exit 0
echo "status $status, got:"; echo "$out"
exit 1
