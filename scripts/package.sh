#!/usr/bin/env bash
# Builds the plug-in and makes the package a user downloads:
# dist/sstpnotify-<version>.zip with the DLL, the host tool host.exe (for
# sending one test notice, see the readme) and a readme (Japanese and
# English, Shift-JIS with CRLF line ends, as Windows editors expect).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build_dir

bash "$root/scripts/build.sh" >/dev/null

version=$(sed -n 's/^project(sstpnotify VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cp "$build_dir/sstpnotify.dll" "$stage/"
# The tool is built with its symbols; the user's copy does not need them.
i686-w64-mingw32-strip -o "$stage/host.exe" "$build_dir/host.exe"
iconv -f UTF-8 -t CP932 "$root/docs/package-readme.txt" | sed 's/$/\r/' > "$stage/readme.txt"

# What the package holds imports only what Windows 95 exports.
bash "$root/tests/plugin/check_pe_tables.sh" imports "$root/tests/plugin/allowed-imports.tsv" \
  "$stage/sstpnotify.dll" "$stage/host.exe"

mkdir -p "$root/dist"
package="$root/dist/sstpnotify-$version.zip"
rm -f "$package"
(cd "$stage" && zip -q -X "$package" sstpnotify.dll host.exe readme.txt)
echo "$package"
unzip -l "$package"
