#!/usr/bin/env bash
# Fails on any finding of shellcheck, style notes included, in the shell scripts of
# scripts/ and in .ci/run. A finding that is wrong is silenced where it stands, by a
# directive that says why on its own line; every other one is mended. Installs
# Debian's shellcheck when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v shellcheck >/dev/null 2>&1; then
  bash scripts/install-deps.sh shellcheck
fi
shellcheck --version | sed -n 's/^version: /shellcheck /p'

# A shell script is named *.sh or starts a shell on its first line (.ci/run).
files=()
while IFS= read -r file; do
  if [[ "$file" == *.sh ]] || head -n 1 "$file" | grep -qE '^#!.*[/ ](ba|da)?sh( |$)'; then
    files+=("$file")
  fi
done < <(git ls-files scripts .ci)

if shellcheck "${files[@]}"; then
  echo "check-shell: ${#files[@]} scripts, no finding"
else
  echo "check-shell: mend the findings above (a directive only where one is wrong, saying why)" >&2
  exit 1
fi
