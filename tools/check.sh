#!/usr/bin/env bash
# The reliability checks, rerunnable by anyone (not run by CI; for people and releases).
#
#   tools/check.sh asan        the whole suite under AddressSanitizer + UndefinedBehaviorSanitizer
#   tools/check.sh tsan        the tests that start worker threads, under ThreadSanitizer
#   tools/check.sh fuzz [MIN]  every libFuzzer target for MIN minutes each (default 10)
#   tools/check.sh all [MIN]   the three in turn
#
# Each builds in its own folder (build-asan, build-tsan, build-fuzz) and ends with one
# summary line. The exit status is non-zero when a check found anything. Installs what it
# needs (the README's deps plus clang's sanitizer runtimes) on a fresh Debian 12.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash tools/deps.sh >/dev/null || exit 1
if ! dpkg-query -W -f='${Status}' clang libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed"; then
  as_root=(); [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  "${as_root[@]}" apt-get install -y -q --no-install-recommends clang libclang-rt-14-dev >/dev/null || exit 1
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# The tests that start threads: classic runs through their worker, alone, through the
# main window's form and its view; list and poetry runs end a classic run first.
worker_tests=(generation_test app_form_test app_view_test app_poetry_view_test)

configure() {  # folder, cmake options...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BUILD_BENCH=OFF \
        "${launcher[@]}" "$@" >"$dir/check.log" 2>&1 || { echo "configure failed, see $dir/check.log"; return 1; }
}

check_asan() {
  mkdir -p build-asan
  configure build-asan -DVELMORA_SANITIZE=address || return 1
  cmake --build build-asan >>build-asan/check.log 2>&1 || { echo "asan: build failed, see build-asan/check.log"; return 1; }
  # halt_on_error keeps the first report readable; leaks are reported at exit.
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan -j2 --output-on-failure >build-asan/ctest.log 2>&1
  local total failed reports
  total=$(grep -oE 'out of [0-9]+' build-asan/ctest.log | tail -1 | grep -oE '[0-9]+')
  failed=$(grep -oE '[0-9]+ tests failed' build-asan/ctest.log | grep -oE '^[0-9]+')
  reports=$(grep -cE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' build-asan/ctest.log)
  echo "asan: ${total:-0} tests, ${failed:-0} failed, $reports sanitizer reports (log: build-asan/ctest.log)"
  [ "${failed:-1}" = 0 ] && [ "$reports" = 0 ]
}

check_tsan() {
  mkdir -p build-tsan
  configure build-tsan -DVELMORA_SANITIZE=thread || return 1
  cmake --build build-tsan --target "${worker_tests[@]}" refdb_files >>build-tsan/check.log 2>&1 \
    || { echo "tsan: build failed, see build-tsan/check.log"; return 1; }
  local log=build-tsan/tests.log tests=0 failed=0
  : >"$log"
  for t in "${worker_tests[@]}"; do
    local out
    out=$(cd build-tsan/bin && QT_QPA_PLATFORM=offscreen \
          TSAN_OPTIONS="suppressions=$root/tools/tsan.supp halt_on_error=0 second_deadlock_stack=1" \
          "./$t" 2>&1)
    local status=$?
    echo "$out" >>"$log"
    tests=$((tests + $(echo "$out" | grep -cE '^\[       OK \]|^\[  FAILED  \] [A-Za-z]')))
    [ $status -ne 0 ] && failed=$((failed + 1))
  done
  local reports
  reports=$(grep -c 'WARNING: ThreadSanitizer' "$log")
  echo "tsan: ${#worker_tests[@]} programs, $tests test cases, $failed programs failed, $reports race reports (log: $log)"
  [ "$failed" = 0 ] && [ "$reports" = 0 ]
}

check_fuzz() {
  local minutes=${1:-10}
  mkdir -p build-fuzz
  configure build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON -DVELMORA_BUILD_TESTS=OFF || return 1
  local targets
  targets=$(sed -n 's/^foreach(target \(.*\))$/\1/p' fuzz/CMakeLists.txt)
  cmake --build build-fuzz --target $targets >>build-fuzz/check.log 2>&1 || { echo "fuzz: build failed, see build-fuzz/check.log"; return 1; }
  local bad=0 line=""
  for t in $targets; do
    # New units go to build-fuzz/corpus/<target>; the committed seeds are read too.
    # Crashes of an earlier run are not this run's: each run starts with an empty folder.
    rm -rf "build-fuzz/crashes/$t"
    mkdir -p "build-fuzz/corpus/$t" "build-fuzz/crashes/$t"
    local log="build-fuzz/$t.log"
    (cd "build-fuzz/bin" && "./$t" -max_total_time=$((minutes * 60)) -max_len=4096 -timeout=25 \
        -artifact_prefix="$root/build-fuzz/crashes/$t/" -print_final_stats=1 \
        "$root/build-fuzz/corpus/$t" "$root/fuzz/corpus/$t") >"$log" 2>&1
    local status=$?
    local execs units
    execs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
    units=$(grep -oE 'stat::new_units_added: *[0-9]+' "$log" | grep -oE '[0-9]+$')
    local found=$(ls "build-fuzz/crashes/$t" | wc -l)
    [ $status -ne 0 ] || [ "$found" -ne 0 ] && bad=1
    line+="$t ${execs:-0} execs ${units:-0} new units $found crashes; "
  done
  echo "fuzz (${minutes} min each): ${line%; }"
  [ $bad = 0 ]
}

case "${1:-}" in
  asan) check_asan ;;
  tsan) check_tsan ;;
  fuzz) check_fuzz "${2:-10}" ;;
  all) s=0; check_asan || s=1; check_tsan || s=1; check_fuzz "${2:-10}" || s=1; exit $s ;;
  *) sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
esac
