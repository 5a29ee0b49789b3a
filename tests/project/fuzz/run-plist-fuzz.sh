#!/usr/bin/env bash
# Runs the property-list reader fuzzer for a bounded time, seeded with the
# lists that plistlib writes (when python3 is there).
# usage: run-plist-fuzz.sh FUZZER WORKDIR FIXTURE_SCRIPT SECONDS
set -euo pipefail
fuzzer=$1 script=$3 seconds=$4
# A folder of this run's own: whole suites may run side by side in one build.
mkdir -p "$2"
work=$(mktemp -d "$2/run.XXXXXX")
mkdir -p "$work/corpus" "$work/seeds"
if command -v python3 >/dev/null; then
  python3 "$script" "$work/lists"
  find "$work/lists" -name '*.plist' -exec cp --backup=numbered {} "$work/seeds/" \;
fi
cd "$work"
status=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  corpus seeds || status=$?
# A failed run keeps its folder: the input that crashed lies in it.
[ "$status" -eq 0 ] && rm -rf "$work"
exit "$status"
