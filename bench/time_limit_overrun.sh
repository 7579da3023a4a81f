#!/usr/bin/env bash
# How far past its time limit a Prove ends, its process's exit included.
#   bench/time_limit_overrun.sh [-s] [-l "3 6 9 12"] [-m "gdd angle area vector wu groebner"] [-j 3]
#                               PROVE_BENCH FILE...
# Every prove_bench process runs under a 5 GB address-space limit, -j at a
# time, so that parallel runs cannot exhaust the machine.
# Without -s, every (file, method, limit) is a process of its own, timed from
# its start to its exit: after a big Prove, giving the memory back to the
# system delays the exit past the time prove_bench reports. One tab-separated
# line per run: file, method, limit (s), result, ms (as prove_bench reports
# it: the Prove command, its cleanup included), process ms, overrun (process
# ms past the limit, "-" when within it); then the worst overrun and every run
# whose process ended more than 300 ms after its limit, or after it with an
# answer other than a time-out.
# With -s, every (method, limit) is one process that proves the FILEs in
# order, each answer timed as its line arrives (as the script reads it: on a
# busy machine a few ms late, so that the next wait may show below 0). One
# line per statement: file, method, limit, result, ms, wait (ms from the
# previous answer, or from the process's start, to the start of this Prove:
# its line's arrival less its ms); then a line "(exit)" with the wait from the
# last answer to the process's exit (result "crashed" when a signal ended it,
# "exit N" for another failure); then the worst start wait, the worst exit
# wait and every wait above 200 ms.
set -euo pipefail

series=false
limits="3 6 9 12"
methods="gdd angle area vector wu groebner"
jobs=3
while getopts "sl:m:j:" opt; do
    case $opt in
    s) series=true ;;
    l) limits=$OPTARG ;;
    m) methods=$OPTARG ;;
    j) jobs=$OPTARG ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
if [ $# -lt 2 ]; then
    sed -n '3,4p' "$0" | sed 's/^# *//' >&2
    exit 2
fi
bench=$1
shift

export bench
readonly memory_kb=$((5 * 1024 * 1024))
export memory_kb

run_one() {
    local file=$1 method=$2 limit=$3 line start end
    # Microseconds: $EPOCHREALTIME without its decimal point (the locale's).
    start=${EPOCHREALTIME//[!0-9]/}
    line=$( (ulimit -v "$memory_kb" && exec "$bench" --method "$method" --time-limit "$limit" "$file" 2>/dev/null) ||
        true)
    end=${EPOCHREALTIME//[!0-9]/}
    local result ms
    if [ -n "$line" ]; then
        result=$(cut -f3 <<<"$line")
        ms=$(cut -f4 <<<"$line")
    else
        result=crashed
        ms=0
    fi
    local process_ms=$(((end - start) / 1000))
    local over=$((process_ms - 1000 * limit))
    [ "$over" -gt 0 ] || over=-
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$file" "$method" "$limit" "$result" "$ms" "$process_ms" "$over"
}
export -f run_one

run_series() {
    local method=$1 limit=$2
    shift 2
    # The reading loop runs in this shell, so that the last arrival outlives it.
    shopt -s lastpipe
    local previous arrival name result ms end
    previous=${EPOCHREALTIME//[!0-9]/}
    (ulimit -v "$memory_kb" && exec "$bench" --method "$method" --time-limit "$limit" "$@" 2>/dev/null) |
        while IFS=$'\t' read -r name _ result ms _; do
            arrival=${EPOCHREALTIME//[!0-9]/}
            printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$name" "$method" "$limit" "$result" "$ms" \
                $(((arrival - 1000 * ms - previous) / 1000))
            previous=$arrival
        done
    local status=${PIPESTATUS[0]}
    end=${EPOCHREALTIME//[!0-9]/}
    result=-
    if [ "$status" -gt 128 ]; then
        result=crashed
    elif [ "$status" -ne 0 ]; then
        result="exit $status"  # 1: a file it could not read
    fi
    printf '(exit)\t%s\t%s\t%s\t-\t%s\n' "$method" "$limit" "$result" $(((end - previous) / 1000))
}
export -f run_series

runs=$(mktemp)
trap 'rm -f "$runs"' EXIT
echo "# start $(date '+%F %T'), load average $(cut -d' ' -f1-3 /proc/loadavg)"
if $series; then
    # xargs puts each method and limit after the files.
    for method in $methods; do
        for limit in $limits; do
            printf '%s\0%s\0' "$method" "$limit"
        done
    done | xargs -0 -P "$jobs" -n 2 bash -c 'run_series "${@: -2}" "${@:1:$#-2}"' _ "$@" | tee "$runs"
else
    for file in "$@"; do
        for method in $methods; do
            for limit in $limits; do
                printf '%s\0%s\0%s\0' "$file" "$method" "$limit"
            done
        done
    done | xargs -0 -P "$jobs" -n 3 bash -c 'run_one "$@"' _ | tee "$runs"
fi
echo "# end $(date '+%F %T'), load average $(cut -d' ' -f1-3 /proc/loadavg)"

echo
if $series; then
    awk -F'\t' '
        $1 == "(exit)" { if (!exits++ || $6 > exit_worst) { exit_worst = $6; exit_at = $2 ", limit " $3 " s" } next }
        !starts++ || $6 > start_worst { start_worst = $6; start_at = $1 " " $2 ", limit " $3 " s, " $4 }
        END {
            if (starts) printf "worst start wait: %s ms (%s)\n", start_worst, start_at
            if (exits) printf "worst exit wait: %s ms (%s)\n", exit_worst, exit_at
        }' "$runs"
    echo "waits above 200 ms:"
    waits=$(awk -F'\t' '$6 > 200' "$runs" | sort -s -t$'\t' -k2,2 -k3,3n)
    echo "${waits:-none}"
else
    sort -t$'\t' -k7,7n "$runs" | awk -F'\t' '$7 != "-"' | tail -1 |
        awk -F'\t' '{ printf "worst overrun: %s ms (%s %s, limit %s s, %s)\n", $7, $1, $2, $3, $4 }
                    END { if (NR == 0) print "worst overrun: none, every run ended within its limit" }'
    echo "runs ending more than 300 ms after the limit, or after it with no time-out:"
    late=$(awk -F'\t' '$7 != "-" && ($7 > 300 || $4 != "timeout")' "$runs" | sort -t$'\t' -k2,2 -k3,3n -k1,1)
    echo "${late:-none}"
fi
