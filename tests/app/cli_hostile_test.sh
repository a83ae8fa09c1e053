#!/bin/sh
# velmora-cli against input a user could give it: each case must end with the expected exit
# code and a message on stderr, and no case may write more than a bounded output.
# Usage: cli_hostile_test.sh VELMORA_CLI DATA_DIR
cli=$1
data=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0

# expect CODE MAX_OUTPUT_BYTES ARGS...
expect() {
  code=$1
  max=$2
  shift 2
  "$cli" "$@" --data "$data" >"$tmp/out" 2>"$tmp/err"
  got=$?
  size=$(wc -c <"$tmp/out")
  if [ "$got" -ne "$code" ]; then
    echo "FAIL exit $got, expected $code: $*"; failed=1
  elif [ "$code" -ne 0 ] && [ ! -s "$tmp/err" ]; then
    echo "FAIL no message: $*"; failed=1
  elif [ "$size" -gt "$max" ]; then
    echo "FAIL $size bytes of output (at most $max): $*"; failed=1
  else
    echo "ok $got: $* -> $(head -n 1 "$tmp/err")"
  fi
}

# Surnames that are not one or two Chinese characters of the data's set.
for s in ab %s 😀 𠀀 张三丰 "'"; do expect 2 0 names "$s"; done
expect 2 0 names 张 --fixed x
expect 2 0 names 张 --fixed 清清
expect 2 0 names ab --mode poetry --text /dev/null
# A device that never ends, and a 5 MB text without a line break: refused unread.
expect 1 0 names 张 --mode poetry --text /dev/zero
awk 'BEGIN { s = ""; for (i = 0; i < 1000; i++) s = s "春江潮水连海平海上明月共潮生"; for (i = 0; i < 120; i++) printf "%s", s }' >"$tmp/big.txt"
expect 1 0 names 张 --mode zuhe --text "$tmp/big.txt"
# Just under the bound, without a sentence mark: every source line stays short.
head -c 1000000 "$tmp/big.txt" >"$tmp/under.txt"
expect 0 2000000 names 张 --mode zuhe --text "$tmp/under.txt"
LC_ALL=C awk -F'\t' 'length($2) > 120 { bad = 1 } END { exit bad }' "$tmp/out" || { echo "FAIL a source over 40 characters (120 bytes)"; failed=1; }
# Birth options belong to 推荐模式 and need a date that exists.
expect 2 0 names 张 --date 2024-7-15
expect 2 0 names 张 --mode best --hour 10
expect 2 0 names 张 --mode best --date 2023-2-29
expect 2 0 names 张 --mode best --date 2024-7-15 --minute 61
# Every command takes --data.
expect 0 100000 calendar 2026-12
exit $failed
