#!/usr/bin/env bash
# Formats every C++ file with the repository's .clang-format; --check only
# lists the files that differ and fails if there are any.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
