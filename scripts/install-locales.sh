#!/usr/bin/env bash
# Generates the decimal-comma locales the tests and screenshots run in, where the
# C library does not have them yet: Russian, the students' own, and German, whose
# thousands separator is a full stop. Qt sets the C library's locale from the
# environment at start-up, so a number text that goes through it would carry a
# comma there; only a locale that really exists shows such a fault.
set -euo pipefail

wanted=(ru_RU.UTF-8 de_DE.UTF-8)

# `locale -a` writes the names normalised: ru_RU.utf8.
have() { locale -a 2>/dev/null | grep -qix "${1%%.*}.utf8"; }

missing=()
for name in "${wanted[@]}"; do
  have "$name" || missing+=("$name")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Generating locales: ${missing[*]}"
for name in "${missing[@]}"; do
  line="$name UTF-8"
  if grep -qx "# *$line" /etc/locale.gen; then
    $sudo sed -i "s/^# *$line\$/$line/" /etc/locale.gen
  elif ! grep -qx "$line" /etc/locale.gen; then
    echo "$line" | $sudo tee -a /etc/locale.gen >/dev/null
  fi
done
$sudo locale-gen >/dev/null
for name in "${missing[@]}"; do
  have "$name" || { echo "install-locales: $name could not be generated" >&2; exit 1; }
done
