#!/usr/bin/env bash
# Checks that includes run one way: plugin/ -> subsystems -> core/ -> platform/.
# A subsystem (config, build, device, convert, ui, debug) never includes plugin/;
# core/ includes only core/ and platform/; platform/ includes nothing of src/.
# Prints each include that runs the wrong way and fails when there is one.
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

violations=0
report() { echo "check-layering: $1 includes $2 ($3)" >&2; violations=$((violations + 1)); }

while IFS=: read -r file _ line; do
  target=$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' <<<"$line")
  [ -n "$target" ] || continue
  case "$file" in
    platform/*)
      case "$target" in src/*) report "$file" "$target" "platform/ depends on nothing of ours" ;; esac ;;
    src/core/*)
      case "$target" in src/core/*|platform/*) ;; src/*) report "$file" "$target" "core/ uses only core/ and platform/" ;; esac ;;
    src/plugin/*) ;;
    src/*)
      case "$target" in src/plugin/*) report "$file" "$target" "no subsystem includes plugin/" ;; esac ;;
  esac
done < <(grep -rn --include='*.h' --include='*.cpp' --include='*.inc' '#[[:space:]]*include[[:space:]]*"' src platform)

if [ "$violations" -ne 0 ]; then
  echo "check-layering: $violations include(s) run the wrong way" >&2
  exit 1
fi
echo "check-layering: every include runs downwards"
