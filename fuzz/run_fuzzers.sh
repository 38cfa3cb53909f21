#!/usr/bin/env bash
# Builds the fuzz targets (clang 14, libFuzzer with Address and UndefinedBehavior sanitizers)
# and runs each for a bounded time on its seed corpus and the markers' dictionary. A crash, a
# leak, a hang (-timeout) or a failed check stops the target and fails the script; the input
# that found it is written to build/fuzz/findings/TARGET/ and belongs in fuzz/regressions/TARGET/.
#
#   fuzz/run_fuzzers.sh                  # 60 s per target, as ./test runs it
#   fuzz/run_fuzzers.sh --seconds 3600   # a longer run
#   fuzz/run_fuzzers.sh --seconds 600 text   # one target
#   fuzz/run_fuzzers.sh --build-dir DIR      # build somewhere else than build/fuzz
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
build=build/fuzz
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    --build-dir) build="$2"; shift 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
[ ${#targets[@]} -gt 0 ] || targets=(search load text)

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}" fuzz_seeds >/dev/null

# The longest input each target takes: the reference walks it is compared with are quadratic.
declare -A max_len=([search]=65536 [load]=16384 [text]=4096)
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  seeds=("$build/fuzz/seeds/$target")
  [ -d "fuzz/regressions/$target" ] && seeds+=("fuzz/regressions/$target")
  echo "fuzz_$target: ${seconds} s"
  "$build/fuzz/fuzz_$target" "$corpus" "${seeds[@]}" \
    -dict=fuzz/melodara.dict -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 \
    -max_len="${max_len[$target]}" -artifact_prefix="$findings/" -print_final_stats=1 \
    >"$build/fuzz_$target.log" 2>&1 || {
      tail -n 60 "$build/fuzz_$target.log"
      echo "fuzz_$target: FAILED, input kept in $findings/" >&2
      exit 1
    }
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|^#[0-9]+.*DONE' "$build/fuzz_$target.log" | tr '\n' ' '
  echo
done
