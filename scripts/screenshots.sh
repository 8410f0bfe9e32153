#!/usr/bin/env bash
# Takes pictures of both options pages under Xvfb with a Japanese font and
# stores them as docs/options-page1.png and docs/options-page2.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-rig.sh"
rig_build_and_start
build_dir=$BUILD_DIR

# The pages ask for "ＭＳ Ｐゴシック"; draw them with the installed IPA font.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Shell Dlg' /d 'IPAPGothic' /f >/dev/null 2>&1

shots="$build_dir/screenshots"
rm -rf "$shots"
mkdir -p "$shots"
cp "$build_dir/sstpnotify.dll" "$shots/"
wine "$build_dir/sheet-shot.exe" "$shots/sstpnotify.dll" "$shots"

for page in 1 2; do
  convert "$shots/page$page.bmp" "$root/docs/options-page$page.png"
  echo "docs/options-page$page.png"
done
