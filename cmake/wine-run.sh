#!/usr/bin/env bash
# Runs a Windows test program under Wine with the Chinese ANSI code page (936), in a
# Wine prefix of the project's own (build/wine-prefix) unless WINEPREFIX is set.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine "$@"
