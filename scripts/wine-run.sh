#!/bin/sh
# Runs a Windows program under wine in a prefix of its own: wine-run.sh PREFIX PROGRAM [ARGS...]
# The build and the tests pass a prefix inside the build folder, never the user's ~/.wine.
# The exit status is the program's.
set -eu
prefix=$1
shift
mkdir -p "$prefix"
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}" # no Mono or Gecko installer
exec wine "$@"
