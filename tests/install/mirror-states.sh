#!/usr/bin/env bash
# Runs install-deps.sh (argument 1) with stand-ins for apt-get, dpkg and
# locale first in PATH, for each mirror state in the table, and checks the
# exit code, the apt-get calls made and what reached standard error (all a
# user sees of the install when the demonstration runs it).
set -uo pipefail
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stubs=$work/bin
mkdir -p "$stubs"

# apt-get: "update" fails on the security suite's i386 index when
# MIRROR=syncing; "install" logs "install" or, with a preferences folder that
# ranks the security suite at 100, "install-pinned", and then answers as the
# mirror state makes apt answer.
cat >"$stubs/apt-get" <<'STUB'
#!/usr/bin/env bash
case " $* " in
  *" update "*)
    echo update >>"$CALLS"
    if [ "$MIRROR" = syncing ]; then
      echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 151.101.2.132 80]" >&2
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
      exit 100
    fi
    exit 0 ;;
esac
pinned=0
for arg; do
  case $arg in
    Dir::Etc::PreferencesParts=*)
      dir=${arg#*=}
      echo "$dir" >>"$PIN_DIRS"
      cat "$dir"/* 2>/dev/null | tr '\n' ' ' |
        grep -q 'Package: \* Pin: release l=Debian-Security Pin-Priority: 100' && pinned=1 ;;
  esac
done
if [ $pinned = 1 ]; then echo install-pinned >>"$CALLS"; else echo install >>"$CALLS"; fi
case $MIRROR in
  lacks-chromium)
    echo "E: Unable to locate package chromium" >&2; exit 100 ;;
  syncing)
    [ $pinned = 1 ] || { echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100; } ;;
esac
STUB
cat >"$stubs/dpkg" <<'STUB'
#!/usr/bin/env bash
case $1 in
  -s) echo "dpkg-query: package '$2' is not installed" >&2; exit 1 ;;
  --print-foreign-architectures) echo i386 ;;
  *) echo "dpkg $*" >>"$CALLS" ;;  # never expected
esac
STUB
printf '#!/bin/sh\nprintf "C\\nC.utf8\\nPOSIX\\nja_JP.utf8\\n"\n' >"$stubs/locale"
chmod +x "$stubs"/*

failures=0
# The table's last lines: the mirror's state, whether the script fails (1),
# the apt-get calls (a glob), a text that standard error must hold ("_" for a
# space, "-" for none) and how many of its lines are not apt's E: or W: lines.
while read -r state want_error want_calls want_said want_lines; do
  export MIRROR=$state CALLS=$work/$state.calls PIN_DIRS=$work/$state.pins TMPDIR=$work/$state.tmp
  mkdir "$TMPDIR"
  : >"$CALLS"
  : >"$PIN_DIRS"
  PATH="$stubs:$PATH" timeout 20 bash "$script" >/dev/null 2>"$work/$state.err"
  status=$?
  calls=$(paste -sd, "$CALLS")
  own=$(grep -cv '^[EW]: ' "$work/$state.err")
  problems=()
  [ $((status != 0)) = "$want_error" ] || problems+=("exit code $status")
  # shellcheck disable=SC2053  # the expected calls are a glob
  [[ $calls == $want_calls ]] || problems+=("apt-get calls '$calls', expected '$want_calls'")
  [ "$want_said" = - ] || grep -qF -- "${want_said//_/ }" "$work/$state.err" ||
    problems+=("standard error lacks '${want_said//_/ }'")
  [ "$want_lines" = - ] || [ "$own" = "$want_lines" ] || problems+=("$own lines of its own on standard error, expected $want_lines")
  while read -r dir; do
    [ ! -e "$dir" ] || problems+=("the preferences folder $dir is left behind")
  done <"$PIN_DIRS"
  [ -z "$(ls -A "$TMPDIR")" ] || problems+=("left in TMPDIR: $(ls -A "$TMPDIR")")
  if [ ${#problems[@]} -gt 0 ]; then
    failures=$((failures + 1))
    echo "FAIL $state:"
    printf '  %s\n' "${problems[@]}"
    sed 's/^/  | /' "$work/$state.err"
  else
    echo "ok   $state: exit $status, calls: $calls"
  fi
done <<'TABLE'
healthy         0         update,install                  -                                  0
syncing         0         update,install,install-pinned   held_broken_packages               1
lacks-chromium  1         update,install*                 Unable_to_locate_package_chromium  -
TABLE
exit $((failures > 0))
