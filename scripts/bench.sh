#!/usr/bin/env bash
# Builds, then times a notification call of the real DLL with 10, 1 000 and
# 10 000 items against one WriteFile of the same report and one send of the
# same request, under Wine; prints the table. DLLs given as arguments (an
# earlier build, for instance) are measured in the same rounds, turn about.
#   bash scripts/bench.sh [other.dll ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
others=()
for dll in "$@"; do others+=("$(cd "$(dirname "$dll")" && pwd)/$(basename "$dll")"); done
source "$root/scripts/wine-rig.sh"
rig_build_and_start
build_dir=$BUILD_DIR

dlls=("$(winepath -w "$build_dir/sstpnotify.dll")")
for dll in "${others[@]}"; do dlls+=("$(winepath -w "$dll")"); done
wine "$build_dir/bench-notify.exe" "${dlls[@]}"
