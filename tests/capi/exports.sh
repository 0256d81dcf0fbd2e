#!/usr/bin/env bash
# Every call of the exports' list (the source of velora.lib) is exported by the DLL under its
# undecorated name: exports.sh <objdump> <velora.dll> <velora_c.def>
set -euo pipefail
exported=$("$1" -p "$2" | sed -n 's/^\s*\[ *[0-9]*\] \(velora_[A-Za-z0-9_]*\)$/\1/p' | sort -u)
missing=0
while read -r name; do
    grep -qx "$name" <<<"$exported" || { echo "not exported: $name"; missing=$((missing + 1)); }
done < <(sed -n 's/^    \(velora_[A-Za-z0-9_]*\)$/\1/p' "$3")
echo "$(grep -c '^    velora_' "$3") calls listed, $missing not exported"
[ "$missing" -eq 0 ]
