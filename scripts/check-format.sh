#!/usr/bin/env bash
# Checks that every C++ file of the program, its tests, benchmarks and tools is formatted as
# .clang-format says, with Debian's clang-format 14; lists the files that are not.
#   scripts/check-format.sh          check
#   scripts/check-format.sh --fix    format them in place
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' \
                                  'bench/*.h' 'tools/*.cpp' 'tools/*.h')
format=$(command -v clang-format-14 || command -v clang-format)
if [ "${1:-}" = "--fix" ]; then
  "$format" -i "${files[@]}"
  exit 0
fi
if ! "$format" --dry-run --Werror "${files[@]}"; then
  echo "check-format: files above differ from .clang-format (scripts/check-format.sh --fix)" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files in format"
