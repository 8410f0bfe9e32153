#!/usr/bin/env bash
# The plug-in at work, on a fresh machine: builds it, then plays the host that
# loads the DLL and asks it for its tools.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build_dir

bash "$root/scripts/build.sh" >/dev/null

source "$root/scripts/wine-rig.sh"
trap rig_stop EXIT
rig_start "$build_dir"

demo_dir="$build_dir/demo"
rm -rf "$demo_dir"
mkdir -p "$demo_dir"
cp "$build_dir/sstpnotify.dll" "$demo_dir/"

echo "== The host loads $demo_dir/sstpnotify.dll and lists its tools"
wine "$build_dir/host.exe" "$demo_dir/sstpnotify.dll"
