#!/usr/bin/env bash
# kestro-engine id converts in both directions and goes on after a bad line.
# usage: id.sh ENGINE
set -u
start="0 2 0 0 0 0 -5 0 -3 0 0 0 5 -5 0 0 0 3 0 5 0 0 0 0 -2 0 0 0"
input="$start 3 1
XGID=-b----E-C---eE---c-e----B-:0:0:1:31:0:0:0:0:10
$start 3 9
4HPwATDgc/ABMA"
want="XGID=-b----E-C---eE---c-e----B-:0:0:-1:31:0:0:0:0:10
4HPwATDgc/ABMA:MIEFAAAAAAAE
$start 3 1 2
error: line 3: the dice are not two values from 1 to 6
$start 0 0 2"
out=$(printf '%s\n' "$input" | "$1" id)
status=$?
[ "$out" = "$want" ] && [ "$status" -eq 2 ] && exit 0
echo "status $status, got:"; echo "$out"
exit 1
