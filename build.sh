#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Reefnote, and runs it, its tests or
# its benchmarks:  ./build.sh run | test | bench
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl-dev
          libsqlite3-dev libjpeg62-turbo-dev clang xvfb xauth fonts-dejavu-core)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j"$(nproc)"
}

fuzz() {
    # A short run of each fuzzer: long enough to catch a regression, short enough for CI.
    # By default a fixed number of runs from a fixed seed, so the same tree gives the
    # same verdict; FUZZ_SECONDS=N explores freshly for N seconds instead.
    local budget=(-runs="${FUZZ_RUNS:-150000}" -seed=1)
    [ -n "${FUZZ_SECONDS:-}" ] && budget=(-max_total_time="$FUZZ_SECONDS")
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DREEFNOTE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build-fuzz -j"$(nproc)" --target fuzz_targets
    for target in build-fuzz/fuzz/fuzz_*; do
        [ -f "$target" ] && [ -x "$target" ] || continue
        name=$(basename "$target")
        work=$(mktemp -d)
        mkdir -p "$work/corpus" "$work/findings"
        cp -r "fuzz/corpus/${name#fuzz_}/." "$work/corpus/" 2>/dev/null || true
        dict=()
        [ -f "fuzz/${name#fuzz_}.dict" ] && dict=(-dict="fuzz/${name#fuzz_}.dict")
        echo "Fuzzing $name (${budget[*]})"
        if ! "$target" "${dict[@]}" "${budget[@]}" -artifact_prefix="$work/findings/" \
            "$work/corpus" >"$work/log" 2>&1; then
            tail -n 40 "$work/log"
            echo "$name found a failing input (kept in $work/findings)"
            return 1
        fi
        tail -n 1 "$work/log"
        rm -rf "$work"
    done
}

case "${1:-}" in
run)
    install_missing
    build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Reefnote is a desktop program and there is no display here."
        echo "Run it under a virtual display:  xvfb-run -a ./build/bin/reefnote"
        exit 1
    fi
    exec ./build/bin/reefnote
    ;;
test)
    install_missing
    build
    fuzz
    # Last, so the test summary closes the output.
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    ;;
bench)
    install_missing
    build
    for b in build/bench/bench_*; do
        if [ -f "$b" ] && [ -x "$b" ]; then QT_QPA_PLATFORM=offscreen "$b"; fi
    done
    ;;
*)
    echo "usage: ./build.sh run | test | bench"
    exit 2
    ;;
esac
