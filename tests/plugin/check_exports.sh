#!/usr/bin/env bash
# The DLL exports exactly the host's undecorated entry points and imports only
# from system DLLs, so it needs nothing beside it.
set -euo pipefail
export LC_ALL=C
dll=$1
dump=$(i686-w64-mingw32-objdump -p "$dll")

exports=$(printf '%s\n' "$dump" | awk '/\[Ordinal\/Name Pointer\] Table/{on=1;next} on&&/^[ \t]*\[/{print $NF;next} on{on=0}' | sort)
expected=$(printf "%s\n" GetToolList SSTPNotify | sort)
if [ "$exports" != "$expected" ]; then
  echo "unexpected exports:"; printf '  %s\n' $exports; exit 1
fi

allowed='^(kernel32|user32|gdi32|comctl32|wsock32|advapi32|msvcrt)\.dll$'
imports=$(printf '%s\n' "$dump" | awk '/DLL Name:/{print $3}')
for name in $imports; do
  if ! [[ ${name,,} =~ $allowed ]]; then
    echo "imports from a non-system DLL: $name"; exit 1
  fi
done
echo "exports: $(echo $exports); imports: $(echo $imports)"
