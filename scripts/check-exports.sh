#!/usr/bin/env bash
# Checks that a built plug-in (ELF .so or PE .dll) exports GetInterface and nothing else.
set -euo pipefail
library=$1
case "$library" in
  *.dll)
    # The export table of a PE file as objdump prints it: the names after "[Ordinal/Name Pointer] Table".
    exports=$(objdump -p "$library" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk 'NR > 1 && NF { print $NF }')
    ;;
  *)
    exports=$(nm -D --defined-only "$library" | awk '{ print $NF }')
    ;;
esac
if [ "$exports" != "GetInterface" ]; then
  echo "check-exports: $library exports:" >&2
  echo "${exports:-(nothing)}" >&2
  echo "check-exports: expected exactly GetInterface" >&2
  exit 1
fi
echo "check-exports: $library exports GetInterface only"
