#!/usr/bin/env bash
# The plug-in at work, on a fresh machine: builds it, starts the mascot
# emulator, plays the host that loads the DLL from a fresh folder and calls the
# tool after a check of the bundled sample pages, sends a test notice that a
# busy character answers, then shows what the mascot received and the report
# the plug-in wrote beside the DLL.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build_dir
default_port=9801
ready_timeout=30

echo "== Building (first run: installs what is missing)"
bash "$root/scripts/build.sh" >/dev/null

source "$root/scripts/wine-rig.sh"
mascot_pid=""
stop_mascot() {
  if [ -n "$mascot_pid" ]; then
    kill "$mascot_pid" 2>/dev/null || true
    wait "$mascot_pid" 2>/dev/null || true
    mascot_pid=""
  fi
}
trap 'stop_mascot; rig_stop' EXIT
rig_start "$build_dir"

demo_dir="$build_dir/demo"
rm -rf "$demo_dir"
mkdir -p "$demo_dir"
cp "$build_dir/sstpnotify.dll" "$demo_dir/"
cp "$root/tools/host/sample-items.tsv" "$demo_dir/"
mascot_log="$demo_dir/mascot.log"
received="$demo_dir/received.bin"

# Starts the emulator on port $1 (0: any free one) and waits for its ready
# line; sets mascot_port, or fails when it stopped instead.
start_mascot() {
  : >"$mascot_log"
  wine "$build_dir/mascot.exe" --port "$1" --mutex sakura --count 3 --answer 200,200,409 \
    --save "$(winepath -w "$received")" >"$mascot_log" 2>&1 </dev/null &
  mascot_pid=$!
  local waited=0
  while ! grep -q '^listening on' "$mascot_log"; do
    if ! kill -0 "$mascot_pid" 2>/dev/null || [ $waited -ge $((ready_timeout * 10)) ]; then
      stop_mascot
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  mascot_port=$(sed -n 's/^listening on [0-9.]*:\([0-9]*\).*/\1/p' "$mascot_log" | head -n 1)
}

echo "== Starting the mascot emulator (holds the mutex \"sakura\", serves three requests)"
if ! start_mascot "$default_port"; then
  echo "   port $default_port is taken; using a free one"
  start_mascot 0 || { echo "the mascot emulator did not start:"; cat "$mascot_log"; exit 1; }
fi
echo "   mascot pid $mascot_pid, port $mascot_port"
if [ "$mascot_port" != "$default_port" ]; then
  printf '[SSTP]\r\nSSTPPort=%s\r\n' "$mascot_port" >"$demo_dir/sstpnotify.ini"
  echo "   wrote $demo_dir/sstpnotify.ini pointing the plug-in at port $mascot_port"
fi

cd "$demo_dir"
dll=$(winepath -w "$demo_dir/sstpnotify.dll")
echo
echo "== The host loads $demo_dir/sstpnotify.dll and lists its tools"
wine "$build_dir/host.exe" "$dll"
echo
echo "== The host calls the tool after an automatic check that found three updated pages"
wine "$build_dir/host.exe" "$dll" notify sample-items.tsv --kind 0x11
echo
echo "== The host calls the tool after a check that found nothing"
wine "$build_dir/host.exe" "$dll" notify --none --kind 0x11
echo
echo "== A test notice, as the options page's button sends it; the character is busy this time"
wine "$build_dir/host.exe" "$dll" test || true

waited=0
while kill -0 "$mascot_pid" 2>/dev/null && [ $waited -lt $((ready_timeout * 10)) ]; do
  sleep 0.1
  waited=$((waited + 1))
done
stop_mascot

echo
echo "== What the mascot received (its own log, Shift-JIS shown as UTF-8)"
sed 's/\r$//' "$mascot_log"
echo "   (the exact bytes are in $received)"

report="$demo_dir/sstpnotify.htm"
echo
if [ -f "$report" ]; then
  echo "== The report the plug-in wrote: $report ($(wc -c <"$report") bytes), in UTF-8:"
  iconv -f CP932 -t UTF-8 "$report" | sed 's/\r$//'
else
  echo "== No report was written"
  exit 1
fi
