#!/usr/bin/env bash
# Runs the property-list reader fuzzer for a bounded time, seeded with the
# lists that plistlib writes (when python3 is there).
# usage: run-plist-fuzz.sh FUZZER WORKDIR FIXTURE_SCRIPT SECONDS
set -euo pipefail
fuzzer=$1 work=$2 script=$3 seconds=$4
rm -rf "$work"
mkdir -p "$work/corpus" "$work/seeds"
if command -v python3 >/dev/null; then
  python3 "$script" "$work/lists"
  find "$work/lists" -name '*.plist' -exec cp --backup=numbered {} "$work/seeds/" \;
fi
cd "$work"
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  corpus seeds
