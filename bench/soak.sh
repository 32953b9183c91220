#!/usr/bin/env bash
# Soak test: a long mixed stream, realistic and hostile, through quorlak-replay
# with several chunk sizes. Passes when every run completes, stays within the
# memory bound (also under a virtual-memory limit) and, with --compare-mb,
# when time grows linearly with the data.
#
#   bench/soak.sh [--size-mb N] [--compare-mb M] [--chunks "1 4096"] [--build DIR]
#                 [--rss-limit-mb R] [--vmem-limit-mb V (0: none)] [--keep DIR]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
SIZE_MB=200
COMPARE_MB=""
CHUNKS="1 4096 1048576"
RSS_LIMIT_MB=160   # the client's own bounds (message grid, log, unfinished record) plus Qt
VMEM_LIMIT_MB=1024
KEEP=""

while (($#)); do
    case "$1" in
        --size-mb) SIZE_MB="$2"; shift 2 ;;
        --compare-mb) COMPARE_MB="$2"; shift 2 ;;
        --chunks) CHUNKS="$2"; shift 2 ;;
        --build) BUILD="$2"; shift 2 ;;
        --rss-limit-mb) RSS_LIMIT_MB="$2"; shift 2 ;;
        --vmem-limit-mb) VMEM_LIMIT_MB="$2"; shift 2 ;;
        --keep) KEEP="$2"; shift 2 ;;
        *) echo "soak.sh: unknown option $1" >&2; exit 2 ;;
    esac
done

REPLAY="$BUILD/quorlak-replay"
[[ -x "$REPLAY" ]] || { echo "soak.sh: $REPLAY not built" >&2; exit 2; }
[[ -x /usr/bin/time ]] || { echo "soak.sh: /usr/bin/time is needed" >&2; exit 2; }
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

WORK="${KEEP:-$(mktemp -d)}"
mkdir -p "$WORK"
[[ -z "$KEEP" ]] && trap 'rm -rf "$WORK"' EXIT

# The realistic part is the stand-in server's own output, made once per build.
REFERENCE="$BUILD/reference-stream.bin"
if [[ ! -s "$REFERENCE" && -x "$BUILD/quorlak-bench" ]]; then
    "$BUILD/quorlak-bench" --write-reference "$REFERENCE" 2>/dev/null || true
fi
REF_ARGS=()
[[ -s "$REFERENCE" ]] && REF_ARGS=(--reference "$REFERENCE")

FAILURES="$WORK/failures.txt"
: >"$FAILURES"
fail() { echo "$1" >>"$FAILURES"; }

# generate SIZE DIR: writes the parts and the script.
generate() {
    /usr/bin/python3 "$ROOT/bench/soak_stream.py" --out "$2" --size-mb "$1" "${REF_ARGS[@]}" >"$2/made.json"
}

# run DIR CHUNK: one replay; sets RSS (MB), CPU and WALL (s).
run() {
    local dir="$1" chunk="$2" timing="$1/time-$2.txt" state="$1/state-$2.json"
    local rc=0
    (((VMEM_LIMIT_MB > 0)) && ulimit -v $((VMEM_LIMIT_MB * 1024)); exec /usr/bin/time -v -o "$timing" \
        "$REPLAY" --chunk "$chunk" --script "$dir/script.jsonl" --state "$state") \
        >"$dir/out-$chunk.txt" 2>&1 || rc=$?
    if ((rc != 0)); then
        fail "chunk $chunk: exit status $rc ($(tail -1 "$dir/out-$chunk.txt"))"
        RSS=0 CPU=0 WALL=0
        return
    fi
    if ! /usr/bin/python3 -c 'import json,sys; s=json.load(open(sys.argv[1])); assert len(s["rxtail"]) <= 1 << 20' \
        "$state" 2>/dev/null; then
        fail "chunk $chunk: the state is not valid JSON or the unfinished record is unbounded"
    fi
    local rss user sys wall
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$timing")
    user=$(awk -F': ' '/User time/ {print $2}' "$timing")
    sys=$(awk -F': ' '/System time/ {print $2}' "$timing")
    wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$timing" |
        awk -F: '{t=0; for (i=1;i<=NF;i++) t=t*60+$i; print t}')
    read -r RSS CPU WALL < <(awk -v r="$rss" -v u="$user" -v s="$sys" -v w="$wall" \
        'BEGIN {printf "%.1f %.2f %.2f\n", r/1024, u+s, w}')
}

echo "== soak: $SIZE_MB MB, chunks: $CHUNKS, memory limit $RSS_LIMIT_MB MB resident, $VMEM_LIMIT_MB MB virtual"
BIG="$WORK/size-$SIZE_MB"
mkdir -p "$BIG"
generate "$SIZE_MB" "$BIG"
echo "stream: $(cat "$BIG/made.json")"
printf "%-10s %10s %10s %10s %10s\n" chunk "max RSS MB" "CPU s" "wall s" "MB/CPU s"
first_cpu=""
for chunk in $CHUNKS; do
    run "$BIG" "$chunk"
    printf "%-10s %10s %10s %10s %10s\n" "$chunk" "$RSS" "$CPU" "$WALL" \
        "$(awk -v m="$SIZE_MB" -v c="$CPU" 'BEGIN {if (c > 0) printf "%.1f", m/c; else print "-"}')"
    [[ -z "$first_cpu" ]] && first_cpu="$CPU"
    if awk -v r="$RSS" -v l="$RSS_LIMIT_MB" 'BEGIN {exit !(r > l)}'; then
        fail "chunk $chunk: $RSS MB resident, above $RSS_LIMIT_MB MB"
    fi
done

if [[ -n "$COMPARE_MB" ]]; then
    chunk="${CHUNKS%% *}"
    SMALL="$WORK/size-$COMPARE_MB"
    mkdir -p "$SMALL"
    generate "$COMPARE_MB" "$SMALL"
    run "$SMALL" "$chunk"
    # Time per MB of the large run against the small one: linear means about 1.
    growth=$(awk -v bc="$first_cpu" -v bm="$SIZE_MB" -v sc="$CPU" -v sm="$COMPARE_MB" \
        'BEGIN {if (sc > 0 && bc > 0) printf "%.2f", (bc/bm)/(sc/sm); else print "0"}')
    echo "linearity (chunk $chunk): $COMPARE_MB MB in $CPU CPU s, $SIZE_MB MB in $first_cpu CPU s;" \
        "time per MB grows ${growth}x (max RSS $RSS MB at $COMPARE_MB MB)"
    if awk -v g="$growth" 'BEGIN {exit !(g <= 0 || g > 1.5)}'; then
        fail "time per MB grew ${growth}x from $COMPARE_MB MB to $SIZE_MB MB"
    fi
fi

if [[ -s "$FAILURES" ]]; then
    echo "soak: FAIL"
    sed 's/^/  /' "$FAILURES"
    exit 1
fi
echo "soak: PASS"
