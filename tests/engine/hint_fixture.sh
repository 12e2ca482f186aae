#!/usr/bin/env bash
# The hint protocol end to end: the tool's answers to a fixture of positions.
# usage: hint_fixture.sh ENGINE INPUT EXPECTED
set -u
engine=$1 input=$2 expected=$3
actual=$("$engine" hint < "$input")
status=$?
[ "$status" -eq 0 ] || { echo "exit status $status, expected 0"; exit 1; }
diff <(printf '%s\n' "$actual") "$expected" || { echo "moves differ from $expected"; exit 1; }
