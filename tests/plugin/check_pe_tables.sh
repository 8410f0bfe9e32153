#!/usr/bin/env bash
# The export and import tables and the code of the shipped files, read with
# objdump:
#   exports <dll>                   exactly the host's undecorated entry points;
#   imports <allowed.tsv> <file>... together, exactly the functions of the
#                                   allow-list, which names for each the oldest
#                                   Windows that exports it;
#   tls <file>...                   no TLS directory (Windows 95 refuses to load
#                                   a DLL that has one: KB Q118816);
#   pentium <file>...               no instruction newer than the Pentium in
#                                   any code section;
#   dlls <allowed.tsv> <file>...    imports only from Windows' own DLLs
#                                   (ADVAPI32 only when the allow-list names it).
set -euo pipefail
export LC_ALL=C  # objdump's headings are translated in other locales
table=$1
shift

case $table in
exports)
  exports=$(i686-w64-mingw32-objdump -p "$1" |
    awk '/\[Ordinal\/Name Pointer\] Table/{on=1;next} on&&/^[ \t]*\[/{print $NF;next} on{on=0}' | sort)
  expected=$(printf '%s\n' GetToolList SSTPNotify)
  if [ "$exports" != "$expected" ]; then
    echo "unexpected exports:"; printf '  %s\n' $exports; exit 1
  fi
  echo "exports: $(echo $exports)"
  exit 0
  ;;

tls)
  failed=0
  for file in "$@"; do
    # "Entry 9 <address> <size> Thread Storage Directory ..."
    entry=$(i686-w64-mingw32-objdump -p "$file" | awk '$1=="Entry" && $2=="9" {print $3, $4}')
    if [ -z "$entry" ]; then
      echo "$(basename "$file"): no data directory entry 9 in objdump's output"; failed=1
    elif [ "$entry" != "00000000 00000000" ]; then
      set -- $entry
      echo "$(basename "$file"): TLS directory at 0x$1, 0x$2 bytes"; failed=1
    else
      echo "$(basename "$file"): no TLS directory"
    fi
  done
  exit $failed
  ;;

pentium)
  failed=0
  for file in "$@"; do
    listing=$(i686-w64-mingw32-objdump -d --no-show-raw-insn "$file")
    if ! grep -qP '^ *[0-9a-f]+:\t' <<<"$listing"; then
      echo "$(basename "$file"): objdump disassembled nothing"; failed=1; continue
    fi
    # "address: instruction" for each instruction of the P6 and later: the
    # conditional moves, the FCOMI family, anything that names an MMX or SSE
    # register, the MMX/SSE instructions without one, the long NOP (0f 1f)
    # and a few later ones. RDTSC, CPUID and CMPXCHG8B are the Pentium's own.
    found=$(awk -F'\t' 'NF >= 2 && $1 ~ /^ *[0-9a-f]+:$/ {
        text = $2; sub(/ +$/, "", text)
        n = split(text, word, " "); m = 1
        while (m < n && word[m] ~ /^(rep[a-z]*|lock|data16|addr16|notrack|bnd|[c-gs]s)$/) m++
        op = word[m]; rest = (m < n)
        if (op ~ /^f?cmov/ || op ~ /^fu?comip?$/ || text ~ /%[xy]?mm[0-9]/ ||
            op ~ /^(f?emms|[slm]fence|prefetch.*|[ls]dmxcsr|fxsave|fxrstor|clflush|movnti|sysenter|sysexit|rdpmc|popcnt|lzcnt|movbe|crc32.*|rdrand|rdseed|endbr32)$/ ||
            (op ~ /^nop[lw]?$/ && rest))
          print $1, text }' <<<"$listing")
    if [ -n "$found" ]; then
      echo "$found"
      echo "$(basename "$file"): $(wc -l <<<"$found") instructions newer than the Pentium:"
      awk '{print $2}' <<<"$found" | sort | uniq -c | awk '{printf "  %s %d\n", $2, $1}'
      failed=1
    else
      echo "$(basename "$file"): $(grep -cP '^ *[0-9a-f]+:\t' <<<"$listing") instructions, none newer than the Pentium"
    fi
  done
  exit $failed
  ;;
esac

allowed=$1
shift
# "dll function" per import, DLL names in lower case.
imports_of() {
  i686-w64-mingw32-objdump -p "$1" | sed -n '/The Import Tables/,/The Export Tables/p' |
    awk '/DLL Name:/{dll=tolower($3)} /^\t[0-9a-f]+\t +[0-9]+ /{print dll, $3}' | sort -u
}

if [ "$table" = dlls ]; then
  system="kernel32.dll user32.dll gdi32.dll comctl32.dll wsock32.dll"
  grep -qi '^advapi32\.dll' "$allowed" && system="$system advapi32.dll"
  failed=0
  for file in "$@"; do
    dlls=$(i686-w64-mingw32-objdump -p "$file" | awk '/DLL Name:/{print tolower($3)}' | sort -u)
    other=$(for dll in $dlls; do [[ " $system " == *" $dll "* ]] || echo "$dll"; done)
    if [ -n "$other" ]; then
      echo "$(basename "$file") imports from DLLs that are not Windows' own:"
      for dll in $other; do
        echo "  $dll: $(imports_of "$file" | awk -v d="$dll" '$1==d{print $2}' | paste -sd' ')"
      done
      failed=1
    else
      echo "$(basename "$file"): imports only from $(echo $dlls)"
    fi
  done
  exit $failed
fi

imported=$(for file in "$@"; do imports_of "$file"; done | sort -u)
listed=$(grep -v '^#' "$allowed" | awk -F'\t' 'NF{print tolower($1), $2}' | sort -u)

new=$(comm -23 <(echo "$imported") <(echo "$listed"))
gone=$(comm -13 <(echo "$imported") <(echo "$listed"))
if [ -n "$new" ]; then
  echo "imported but not on the allow-list (check the oldest Windows that exports it, then add it):"
  printf '  %s\n' "$new"
fi
if [ -n "$gone" ]; then
  echo "on the allow-list but no longer imported (remove the line):"
  printf '  %s\n' "$gone"
fi
[ -z "$new$gone" ] || exit 1
for file in "$@"; do
  summary=$(imports_of "$file" | awk '{print $1}' | uniq -c | awk '{print $2 " " $1}' | paste -sd, | sed 's/,/, /g')
  echo "$(basename "$file"): $(imports_of "$file" | wc -l) imports, all on the allow-list ($summary)"
done
