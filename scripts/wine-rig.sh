# Sourced by the build, test and demonstration scripts: a Wine prefix inside
# the build tree with the Japanese locale (ANSI code page 932), a private X
# display, and a clean stop of every process started here.

rig_pids=()

rig_start() {
  local build_dir=$1
  export WINEPREFIX="$build_dir/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # Wine takes its ANSI code page from the locale. glibc looks for the locale
  # archive once per process, so a shell that started before install-deps.sh
  # generated the locale cannot load it, while the programs it starts can:
  # a new process checks that it exists, and bash's warning about this shell
  # alone is silenced.
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "The locale ja_JP.UTF-8 is missing; scripts/install-deps.sh generates it" >&2
    return 1
  fi
  export LANG=ja_JP.UTF-8
  export LC_ALL=ja_JP.UTF-8 2>/dev/null
  export WINEARCH=win32
  unset WINELOADERNOEXEC

  # A private X display for everything that opens a window.
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" </dev/null >/dev/null 2>&1 &
  rig_pids+=($!)
  local waited=0
  while [ ! -s "$display_file" ] && [ $waited -lt 100 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  if [ ! -s "$display_file" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$display_file"
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$display_file")"
  rm -f "$display_file"

  # A persistent server and a booted prefix, with every standard stream
  # detached so that Wine's background services never hold the caller's pipes.
  # The first program of a session boots the prefix by itself (creating it
  # when new), so plain "wineboot" is enough: "wineboot -i" would start a
  # second service manager beside the first. A service started through one
  # then reports to the other, and its start fails after a 10 s wait; the
  # desktop process starts the RPC service that way, and a program that
  # opened the desktop waited those 10 s for it.
  mkdir -p "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1
  wine wineboot </dev/null >/dev/null 2>&1 || true

  # The display has no window manager. Wine's windows are unmanaged there, or
  # Wine waits up to two seconds for a window manager at every hide.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
}

rig_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k </dev/null >/dev/null 2>&1 || true
  fi
  local pid
  for pid in "${rig_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rig_pids=()
}

# For the scripts: builds into $BUILD_DIR (default build/), starts the rig
# there and stops it when the calling script exits. Build output goes to
# standard output only when the first argument is "verbose".
rig_build_and_start() {
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  export BUILD_DIR=${BUILD_DIR:-$root/build}
  if [ "${1:-}" = verbose ]; then
    bash "$root/scripts/build.sh"
  else
    bash "$root/scripts/build.sh" >/dev/null
  fi
  trap rig_stop EXIT
  rig_start "$BUILD_DIR"
}
