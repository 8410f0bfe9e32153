#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest and passes on its output and
# exit code. Wine starts background processes on the program's behalf (the
# desktop's explorer.exe when the first window opens) and they inherit its
# standard streams; were those CTest's pipes, CTest would wait for those
# processes to end too. So the program writes into a file instead.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
wine "$@" </dev/null >"$output" 2>&1 || status=$?
cat "$output"
exit "$status"
