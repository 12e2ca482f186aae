#!/usr/bin/env bash
# Input the tool must refuse: the run stops with exit status 2 and a message
# on standard error naming the line; lines before it are still answered.
# usage: bad_input.sh ENGINE
set -u
engine=$1
start="0 2 0 0 0 0 -5 0 -3 0 0 0 5 -5 0 0 0 3 0 5 0 0 0 0 -2 0 0 0"
failures=0

# expect STDIN EXPECTED_STDOUT STDERR_PATTERN ARGS...
expect() {
    local input=$1 want_out=$2 pattern=$3
    shift 3
    local out err status
    err=$(mktemp)
    out=$(printf '%b' "$input" | "$engine" "$@" 2>"$err")
    status=$?
    if [ "$status" -ne 2 ] || [ "$out" != "$want_out" ] || ! grep -q -- "$pattern" "$err"; then
        echo "FAIL: $* <<< $(printf '%q' "$input"): status $status, out '$out', err '$(cat "$err")'"
        failures=$((failures + 1))
    fi
    rm -f "$err"
}

expect "$start 2 1 2\n# fine so far\n$start 2 1\n" "24/2 24/1" "line 3: expected 31 integers" hint
expect "$start 2 1  2\n" "" "line 1: expected 31 integers" hint
expect "$start 2 1 2 \n" "" "line 1: expected 31 integers" hint
expect "$start 2 x 2\n" "" "line 1: expected 31 integers" hint
expect "$start 7 1 2\n" "" "line 1: die 7 is outside 1..6" hint
expect "$start 2 0 2\n" "" "line 1: die 0 is outside 1..6" hint
expect "$start 2 1 4\n" "" "line 1: level 4 is outside 0..3" hint
expect "${start/0 2 0 0 0 0 -5/0 2 0 0 0 0 -4} 2 1 2\n" "" "line 1: the computer has 14 checkers" hint
expect "${start/0 2 0/0 3 0} 2 1 2\n" "" "line 1: the human has 16 checkers" hint
expect "-1 2 0 0 0 0 -4 ${start#0 2 0 0 0 0 -5 } 2 1 2\n" "" "line 1: locations 0 and 27" hint
expect "${start% 0 0 0} 1 0 0 2 1 2\n" "" "line 1: locations 25 and 26" hint
expect "" "" "usage:" hint extra
expect "" "" "usage:" unknown
expect "" "" "--games N is required" selfplay
expect "" "" "--level takes an integer from 0 to 3" selfplay --games 1 --level 4
expect "" "" "--games needs a value" selfplay --games
expect "" "" "unknown argument" bench --fast

[ "$failures" -eq 0 ]
