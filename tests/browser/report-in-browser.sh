#!/usr/bin/env bash
# The report as a real browser reads it: for each list of titles below, the
# host tool calls the shipped DLL from a fresh folder, headless Chromium (in
# the Japanese locale) opens the report it wrote, and the decoded document
# must hold the heading and every title as typed.
#   report-in-browser.sh <build folder> [case]
# With a case name, only that list is tried (CTest runs one test a case).
# Needs the Wine rig's environment (WINEPREFIX and the rest, see
# scripts/wine-rig.sh). No mascot runs, so the plug-in sends nothing.
set -euo pipefail
build_dir=$1
only=${2:-}
browser_seconds=60   # one page in one browser run
leftover_seconds=10  # the browser's last processes ending after it
heading='Vyrexの更新情報'

# The table: a case name, a tab, one title per line; a case's lines together
# make its item list.
table=$(cat <<'EOF'
katakana	ｱﾆﾒ情報
katakana	ｹﾞｰﾑ攻略 最新ﾆｭｰｽ
katakana	天気予報 - ﾊﾟｿｺﾝ版
symbols	【お知らせ】★新着♪
symbols	※重要※ ＜限定＞ ＆ 〒100-0001
symbols	①②③ ㈱ ℃ ×÷ 「」『』
markup	<b>太字</b> & "引用" 'single'
markup	a<b>c &amp; &lt; stay as typed
backslash	C:\ソフト\表示\能力
backslash	顔文字 \(^o^)/ 100\ \n
one	ｱﾆﾒ情報
EOF
)
for i in $(seq 1 400); do
  table+=$'\n'"long	第${i}回 ｱﾆﾒ情報 ＜$i＞ & ★\\"
done

work=$(mktemp -d)
trap 'end_browser_leftovers || true; rm -rf "$work"' EXIT

# Pids of the processes whose command line names this run's folder: every
# browser process, the crash handlers included (they leave the session).
our_processes() {
  local entry line
  for entry in /proc/[0-9]*; do
    line=$(tr '\0' ' ' 2>/dev/null <"$entry/cmdline") || continue
    if [[ $line == *"$work/"* ]]; then echo "${entry#/proc/}"; fi
  done
}

# Waits a bounded time for the browser's processes of this run to end, then
# ends those that are left, by their pids.
end_browser_leftovers() {
  local waited=0 pids
  while pids=$(our_processes) && [ -n "$pids" ]; do
    if [ $waited -ge $((leftover_seconds * 10)) ]; then
      echo "browser processes left running, ended: $(echo $pids)" >&2
      kill -KILL $pids 2>/dev/null || true
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
}

# The DOM of the page $1, decoded by Chromium, on standard output.
render() {
  local page=$1 profile=$work/browser
  rm -rf "$profile"
  mkdir -p "$profile/home"
  local status=0
  env -u DISPLAY HOME="$profile/home" XDG_CONFIG_HOME="$profile/home" XDG_CACHE_HOME="$profile/home" \
    LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 \
    timeout -k 5 "$browser_seconds" chromium --headless=new --no-sandbox --disable-gpu \
    --disable-quic --no-first-run --disable-background-networking --disable-component-update \
    --disable-sync --user-data-dir="$profile/data" --lang=ja --dump-dom "file://$page" \
    </dev/null 2>"$work/browser.log" || status=$?
  end_browser_leftovers
  if [ $status -ne 0 ]; then
    echo "chromium failed on $page (status $status; 124: not done in ${browser_seconds}s):" >&2
    tail -n 20 "$work/browser.log" >&2
    return 1
  fi
}

# A title as the DOM serializer writes a text node.
serialized() {
  sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g'
}

failures=0
cases=$(cut -f1 <<<"$table" | uniq)
if [ -n "$only" ]; then
  grep -qx "$only" <<<"$cases" || { echo "no case $only"; exit 1; }
  cases=$only
fi
for name in $cases; do
  folder=$work/$name
  mkdir -p "$folder"
  cp "$build_dir/sstpnotify.dll" "$folder/"
  grep "^$name	" <<<"$table" | cut -f2- >"$folder/titles.txt"
  awk '{ printf "%s\thttp://example.jp/%d\t%s\t\r\n", $0, NR, "text" }' "$folder/titles.txt" \
    >"$folder/items.tsv"
  wine "$build_dir/host.exe" "$(winepath -w "$folder/sstpnotify.dll")" notify \
    "$(winepath -w "$folder/items.tsv")" </dev/null >"$folder/host.log" 2>&1 || true
  if [ ! -s "$folder/sstpnotify.htm" ]; then
    echo "FAIL $name: no report was written"; cat "$folder/host.log"
    failures=$((failures + 1))
    continue
  fi

  render "$folder/sstpnotify.htm" >"$folder/dom.html"
  serialized <"$folder/titles.txt" >"$folder/expected.txt"
  grep -o '<b>[^<]*</b>' "$folder/dom.html" | sed -e 's/^<b>//' -e 's/<\/b>$//' >"$folder/read.txt" || true
  problems=""
  grep -qF "<title>$heading</title>" "$folder/dom.html" || problems+=" title"
  grep -qF "<h1>$heading</h1>" "$folder/dom.html" || problems+=" heading"
  cmp -s "$folder/expected.txt" "$folder/read.txt" || problems+=" item-titles"
  if [ -n "$problems" ]; then
    echo "FAIL $name ($(wc -l <"$folder/titles.txt") items): wrong$problems"
    grep -o '<h1>[^<]*</h1>' "$folder/dom.html" | head -n 1
    diff "$folder/expected.txt" "$folder/read.txt" | head -n 8 || true
    failures=$((failures + 1))
  else
    echo "ok   $name ($(wc -l <"$folder/titles.txt") items)"
  fi
done

total=$(wc -w <<<"$cases")
echo "$((total - failures)) of $total lists read right in the browser"
[ $failures -eq 0 ]
