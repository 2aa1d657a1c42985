#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it
# (.clang-format at the top). Generated files are left out: they are written by
# their generator, not by hand. Installs clang-format when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

generated='^numeric/SoftExtendedTrigTables\.h$'

if ! command -v clang-format >/dev/null 2>&1; then
  bash scripts/install-deps.sh clang-format
fi
clang-format --version

mapfile -t files < <(git ls-files '*.cpp' '*.h' | grep -v -E "$generated")
if clang-format --dry-run -Werror "${files[@]}"; then
  echo "check-format: ${#files[@]} files formatted as .clang-format asks"
else
  echo "check-format: run clang-format -i on the files above" >&2
  exit 1
fi
