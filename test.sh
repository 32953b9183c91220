#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and window
# tests, the same again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and each fuzz target for a bounded time (FUZZ_SECONDS, 20 by default).
source "$(dirname "$0")/scripts/common.sh"
ensure_packages

LOGS="$(mktemp -d)"
passed=0
failed=0

# Window tests need a display: start a private X server unless one is given.
start_display() {
    [[ -n "${DISPLAY:-}" ]] && return
    for n in $(seq 90 140); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
        export DISPLAY=":$n"
        for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
        return
    done
}

# Runs ctest in a build directory and adds its counts to the totals.
run_ctest() {
    local dir="$1" log="$LOGS/$(basename "$1").log"
    (cd "$dir" && ctest --output-on-failure -j 2) 2>&1 | tee "$log" || true
    local line
    line=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$log" | tail -1 || true)
    if [[ -z "$line" ]]; then
        echo "ctest in $dir did not finish"
        failed=$((failed + 1))
        return
    fi
    local total bad
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

start_display

echo "== build and test"
build
run_ctest "$BUILD"

if [[ "${QUORLAK_QUICK:-}" != 1 ]]; then
    echo "== sanitizers (address, undefined)"
    SAN="$ROOT/build-asan"
    cmake -S "$ROOT" -B "$SAN" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORLAK_SANITIZE=ON >/dev/null
    cmake --build "$SAN" -j "$(nproc)"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$ROOT/fuzz/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    run_ctest "$SAN"

    echo "== fuzzing"
    FUZZ="$ROOT/build-fuzz"
    CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLAK_FUZZ=ON >/dev/null
    targets=$(cd "$ROOT/fuzz" && ls *_fuzz.cpp | sed -e 's/\.cpp$//' -e 's/_/-/g')
    cmake --build "$FUZZ" -j "$(nproc)" --target quorlak_data $targets
    for t in $targets; do
        corpus="$LOGS/corpus-$t"
        mkdir -p "$corpus"
        extra=()  # the target's dictionary and committed seeds
        [[ -f "$ROOT/fuzz/${t%-fuzz}.dict" ]] && extra+=("-dict=$ROOT/fuzz/${t%-fuzz}.dict")
        [[ -d "$ROOT/fuzz/corpus/$t" ]] && extra+=("$ROOT/fuzz/corpus/$t")
        if "$FUZZ/$t" -max_total_time="${FUZZ_SECONDS:-20}" -max_len=65536 -rss_limit_mb=2048 \
            -timeout=10 -print_final_stats=0 -artifact_prefix="$FUZZ/" "$corpus" "${extra[@]}" >"$LOGS/$t.log" 2>&1; then
            echo "fuzz $t: clean"
            passed=$((passed + 1))
        else
            echo "fuzz $t: FAILED"; tail -40 "$LOGS/$t.log"
            failed=$((failed + 1))
        fi
    done
fi

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
