#!/usr/bin/env bash
# Builds, then times a notification call of the real DLL with 10, 1 000 and
# 10 000 items against one WriteFile of the same report and one send of the
# same request, under Wine; prints the table.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-rig.sh"
rig_build_and_start
build_dir=$BUILD_DIR

wine "$build_dir/bench-notify.exe" "$(winepath -w "$build_dir/sstpnotify.dll")"
