#!/bin/bash
# A long fuzz campaign: each target in turn (one process at a time), for a
# fixed number of executions, with its dictionary and the committed seeds.
# Usage: fuzz/campaign.sh BUILD_FUZZ_DIR OUT_DIR [target=runs ...]
#   default: keyitem-fuzz=10000000 stream-fuzz=10000000 script-fuzz=2000000
# OUT_DIR gets one log per target (libFuzzer's cov:/ft: lines and final
# stats), its growing corpus, any crash input, and times.txt.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "$1" && pwd)
mkdir -p "$2"
OUT=$(cd "$2" && pwd)
shift 2
plan=("$@")
((${#plan[@]})) || plan=(keyitem-fuzz=10000000 stream-fuzz=10000000 script-fuzz=2000000)
export LSAN_OPTIONS="suppressions=$ROOT/fuzz/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
status=0
for entry in "${plan[@]}"; do
    t=${entry%%=*}
    runs=${entry#*=}
    dict=()
    [[ -f "$ROOT/fuzz/${t%-fuzz}.dict" ]] && dict=("-dict=$ROOT/fuzz/${t%-fuzz}.dict")
    mkdir -p "$OUT/corpus-$t"
    echo "$t start $(date -u +%FT%TZ)" >>"$OUT/times.txt"
    start=$(date +%s)
    "$BUILD/$t" -runs="$runs" -max_len=8192 -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$OUT/artifact-$t-" "${dict[@]}" "$OUT/corpus-$t" "$ROOT/fuzz/corpus/$t" >"$OUT/$t.log" 2>&1
    rc=$?
    echo "$t end $(date -u +%FT%TZ) $(($(date +%s) - start)) s rc=$rc" >>"$OUT/times.txt"
    grep -E "^#[0-9]+ +DONE|stat::number_of_executed_units" "$OUT/$t.log" | tail -2
    ((rc == 0)) || status=1
done
exit $status
