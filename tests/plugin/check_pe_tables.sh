#!/usr/bin/env bash
# The export and import tables of the shipped files, read with objdump:
#   exports <dll>                   exactly the host's undecorated entry points;
#   imports <allowed.tsv> <file>... together, exactly the functions of the
#                                   allow-list, which names for each the oldest
#                                   Windows that exports it.
set -euo pipefail
export LC_ALL=C  # objdump's headings are translated in other locales
table=$1
shift

if [ "$table" = exports ]; then
  exports=$(i686-w64-mingw32-objdump -p "$1" |
    awk '/\[Ordinal\/Name Pointer\] Table/{on=1;next} on&&/^[ \t]*\[/{print $NF;next} on{on=0}' | sort)
  expected=$(printf '%s\n' GetToolList SSTPNotify)
  if [ "$exports" != "$expected" ]; then
    echo "unexpected exports:"; printf '  %s\n' $exports; exit 1
  fi
  echo "exports: $(echo $exports)"
  exit 0
fi

allowed=$1
shift
# "dll function" per import, DLL names in lower case.
imports_of() {
  i686-w64-mingw32-objdump -p "$1" | sed -n '/The Import Tables/,/The Export Tables/p' |
    awk '/DLL Name:/{dll=tolower($3)} /^\t[0-9a-f]+\t +[0-9]+ /{print dll, $3}' | sort -u
}
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
