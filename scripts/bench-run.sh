# Sourced by the bench-*.sh scripts: builds one benchmark of the Release configuration,
# runs it, and reads the medians of its report.
#   ZRT_BENCH_BUILD_DIR    build folder (default build/linux-release)
#   ZRT_BENCH_REPETITIONS  runs per benchmark, of which the median is reported (default 5)
build=${ZRT_BENCH_BUILD_DIR:-build/linux-release}
repetitions=${ZRT_BENCH_REPETITIONS:-5}
json=$(mktemp)
trap 'rm -f "$json"' EXIT

# run_benchmark TARGET [NAME=VALUE...]: builds TARGET and runs it with the given
# environment, writing its JSON report to $json.
run_benchmark() {
  local target=$1
  shift
  cmake --preset linux-release -B "$build" >/dev/null
  cmake --build "$build" -j"${ZRT_JOBS:-2}" --target "$target"
  env "$@" "$build/bench/$target" \
    --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$json" --benchmark_out_format=json
}

# report: runs the Python program on standard input against the report, with
# find(prefix) giving the median record of the benchmark whose name begins with prefix.
report() {
  python3 -c "$(cat <<'PY'
import json, sys
runs = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"}
def find(prefix):
    return next(b for name, b in runs.items() if name.startswith(prefix))
print()
PY
)
$(cat)" "$json"
}
