#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 30) on the committed seeds,
# new inputs going to a scratch corpus. Fails on any crash, an input taking over 10 s, memory past
# 2 GB or a sanitizer report; prints each target's executions.
# Usage: tools/run-fuzz.sh [SECONDS] [TARGET...]   (targets: item_line spell_line data_folder
#        numbers set_file paste damage scale_text character_file settings; all when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(item_line spell_line data_folder numbers set_file paste damage scale_text character_file settings)
bash tools/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work="build/fuzz/runs"
failed=0
for t in "${targets[@]}"; do
  mkdir -p "$work/$t/corpus" "$work/$t/artifacts"
  log="$work/$t/log"
  if build/fuzz/fuzz/fuzz_"$t" "$work/$t/corpus" "fuzz/corpus/$t" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix="$work/$t/artifacts/" \
      >"$log" 2>&1; then
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$t: ${execs:-?} executions in ${seconds} s, no finding"
  else
    echo "fuzz_$t: FAILED, see $log; the input is in $work/$t/artifacts/"
    tail -n 40 "$log"
    failed=1
  fi
done
exit "$failed"
