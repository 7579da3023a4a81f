#!/usr/bin/env bash
# How far past its time limit a Prove ends.
#   bench/time_limit_overrun.sh [-l "3 6 9 12"] [-m "gdd angle area vector wu groebner"] [-j 3]
#                               PROVE_BENCH FILE...
# Runs every (file, method, limit) as its own prove_bench process, -j at a
# time, each under a 5 GB address-space limit so that parallel runs cannot
# exhaust the machine. Prints one tab-separated line per run: file, method,
# limit (s), result, ms (the whole Prove command, cleanup included), overrun
# (ms past the limit, "-" when within it); then the worst overrun and every
# run that ended more than 300 ms after its limit, or after it with an answer
# other than a time-out.
set -euo pipefail

limits="3 6 9 12"
methods="gdd angle area vector wu groebner"
jobs=3
while getopts "l:m:j:" opt; do
    case $opt in
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
    local file=$1 method=$2 limit=$3 line
    line=$( (ulimit -v "$memory_kb" && "$bench" --method "$method" --time-limit "$limit" "$file" 2>/dev/null) ||
        true)
    local result ms
    if [ -n "$line" ]; then
        result=$(cut -f3 <<<"$line")
        ms=$(cut -f4 <<<"$line")
    else
        result=crashed
        ms=0
    fi
    local over=$((ms - 1000 * limit))
    [ "$over" -gt 0 ] || over=-
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$file" "$method" "$limit" "$result" "$ms" "$over"
}
export -f run_one

runs=$(mktemp)
trap 'rm -f "$runs"' EXIT
echo "# start $(date '+%F %T'), load average $(cut -d' ' -f1-3 /proc/loadavg)"
for file in "$@"; do
    for method in $methods; do
        for limit in $limits; do
            printf '%s %s %s\n' "$file" "$method" "$limit"
        done
    done
done | xargs -P "$jobs" -n 3 bash -c 'run_one "$@"' _ | tee "$runs"
echo "# end $(date '+%F %T'), load average $(cut -d' ' -f1-3 /proc/loadavg)"

echo
sort -t$'\t' -k6,6n "$runs" | awk -F'\t' '$6 != "-"' | tail -1 |
    awk -F'\t' '{ printf "worst overrun: %s ms (%s %s, limit %s s, %s)\n", $6, $1, $2, $3, $4 }
                END { if (NR == 0) print "worst overrun: none, every run ended within its limit" }'
echo "runs ending more than 300 ms after the limit, or after it with no time-out:"
late=$(awk -F'\t' '$6 != "-" && ($6 > 300 || $4 != "timeout")' "$runs" | sort -t$'\t' -k2,2 -k3,3n -k1,1)
echo "${late:-none}"
