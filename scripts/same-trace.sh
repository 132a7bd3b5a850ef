#!/usr/bin/env bash
# Checks that every build traces the sample replays byte for byte the same.
# usage: scripts/same-trace.sh BINARY BINARY [BINARY...]   (e.g. the release, debug and asan builds)
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 2 ] || { echo "usage: $0 BINARY BINARY [BINARY...]" >&2; exit 2; }
status=0
for replay in tests/data/*.replay; do
  first=""
  for bin in "$@"; do
    sum=$("$bin" --headless --replay "$replay" --trace - | sha256sum | cut -d' ' -f1)
    if [ -z "$first" ]; then
      first=$sum
      firstbin=$bin
    elif [ "$sum" != "$first" ]; then
      echo "FAIL: $replay traces differently from $bin than from $firstbin" >&2
      status=1
    fi
  done
  echo "same trace from $# builds: $replay ($first)"
done
exit $status
