#!/usr/bin/env bash
# Fails on an include against the order of the layers: numeric/ (the extended
# arithmetic, standard library only), then analysis/ and input/ (side by side:
# neither includes the other), then roots/ and chart/ (side by side too), then
# plots/, then app/. A folder includes its own headers and those of the layers
# beneath it, never a higher one's, and no product folder includes tests/, tools/,
# bench/ or fuzz/. numeric/ includes no Qt.
#
#   bash scripts/check-layers.sh [ROOT]   (ROOT defaults to the repository)
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}

declare -A rank=([numeric]=0 [analysis]=1 [input]=1 [roots]=2 [chart]=2 [plots]=3 [app]=4)

violations=0
for folder in "${!rank[@]}"; do
  [ -d "$root/$folder" ] || continue
  while IFS=: read -r file line text; do
    included=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"/]+)\/.*/\1/' <<<"$text")
    [ "$included" = "$folder" ] && continue
    allowed=0
    if [ -n "${rank[$included]+set}" ] && [ "${rank[$included]}" -lt "${rank[$folder]}" ]; then
      allowed=1
    fi
    if [ $allowed -eq 0 ]; then
      echo "${file#"$root"/}:$line: $folder/ must not include $included/: ${text#"${text%%[![:space:]]*}"}"
      violations=$((violations + 1))
    fi
  done < <(grep -n -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' \
             "$root/$folder"/*.h "$root/$folder"/*.cpp 2>/dev/null || true)
done

# The arithmetic every layer stands on needs nothing but the C++ standard library.
while IFS= read -r hit; do
  echo "${hit#"$root"/}: numeric/ must not include Qt"
  violations=$((violations + 1))
done < <(grep -n -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' \
           "$root"/numeric/*.h "$root"/numeric/*.cpp 2>/dev/null || true)

if [ $violations -gt 0 ]; then
  echo "check-layers: $violations include(s) against the order of the layers" >&2
  exit 1
fi
echo "check-layers: every include follows the order of the layers"
