#!/usr/bin/env bash
# Every benchmark figure, as the median of five separate runs of zef-bench, each the median of
# five repetitions: where a buffer lands in memory changes a copy of a few kilobytes by up to half
# from one process to the next, so one process says little. Usage: bench/figures.sh BUILD_DIR
# [FILTER], FILTER a regular expression of the benchmarks to run (all by default).
set -euo pipefail
bench=$1/bench/zef-bench
filter=${2:-.}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for run in 1 2 3 4 5; do
    "$bench" --benchmark_filter="$filter" --benchmark_repetitions=5 --benchmark_min_time=0.2 \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
        grep '_median"' >>"$work/runs.csv"
done
# name,iterations,real_time,cpu_time,time_unit,...: the middle of each benchmark's real times.
awk -F, '{ name = $1; gsub(/"|_median/, "", name); print name, $3, $5 }' "$work/runs.csv" |
    sort -k1,1 -k2,2g |
    awk '{ n[$1]++; v[$1, n[$1]] = $2; unit[$1] = $3 }
         END { for (b in n) printf "%-34s %10.3g %s\n", b, v[b, int((n[b] + 1) / 2)], unit[b] }' |
    sort
