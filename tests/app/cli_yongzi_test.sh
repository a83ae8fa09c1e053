#!/bin/sh
# velmora-cli names --avoid --want in every mode: each mode finds names, none holds an
# avoided character and each holds a wanted one; bad 用字 input is refused with a message.
# Usage: cli_yongzi_test.sh VELMORA_CLI DATA_DIR
cli=$1
data=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
printf '%s\n' "雨落青山，江流天地外。" "春雨如丝，细雨润无声，晴川历历汉阳树。" "梓树涵月，雨桐映霞。" >"$tmp/text.txt"

for mode in classic list idiom meiming poetry zuhe; do
  case $mode in
    poetry | zuhe) extra="--text $tmp/text.txt" ;;
    *) extra="--seed 1" ;;
  esac
  # shellcheck disable=SC2086
  "$cli" names 张 --sex 女 --avoid 涵梓 --want 雨 --mode "$mode" $extra --data "$data" >"$tmp/out" 2>"$tmp/err"
  # the given names: the item before "(", without the surname 张
  names=$(cut -f1 "$tmp/out" | sed 's/(.*//; s/^张//')
  count=$(printf '%s\n' "$names" | grep -c .)
  avoided=$(printf '%s\n' "$names" | grep -c -e 涵 -e 梓)  # literal strings: byte-safe in any locale
  unwanted=$(printf '%s\n' "$names" | grep -v '雨' | grep -c .)
  if [ "$count" -eq 0 ] || [ "$avoided" -ne 0 ] || [ "$unwanted" -ne 0 ]; then
    echo "FAIL $mode: $count names, $avoided with 涵 or 梓, $unwanted without 雨 $(head -c 300 "$tmp/err")"; failed=1
  else
    echo "ok $mode: $count names, each with 雨, none with 涵 or 梓"
  fi
done

# expect CODE ARGS...: the exit code and a message on stderr
expect() {
  code=$1
  shift
  "$cli" "$@" --data "$data" >/dev/null 2>"$tmp/err"
  got=$?
  if [ "$got" -ne "$code" ] || [ ! -s "$tmp/err" ]; then
    echo "FAIL exit $got, expected $code with a message: $*"; failed=1
  else
    echo "ok $got: $* -> $(head -n 1 "$tmp/err")"
  fi
}
expect 2 names 张 --avoid 涵a
expect 2 names 张 --avoid 雨 --want 雨晴
expect 2 names 张 --mode poetry --text "$tmp/text.txt" --want 1
expect 1 names 张 --want 曾
expect 1 names 张 --fixed 雨 --avoid 雨
expect 1 names 张 --want 婷

# Avoiding every character one plan gives: no name, and the notice says so (exit 0, as a
# run that finds nothing).
one="names 张 --form 单字名 --mode list --plan 11|22 --data $data"
# shellcheck disable=SC2086
all=$("$cli" $one | cut -f1 | sed 's/(.*//; s/^张//' | tr -d '\n')
# shellcheck disable=SC2086
"$cli" $one --avoid "$all" >"$tmp/out" 2>"$tmp/err"
if [ -z "$all" ] || [ -s "$tmp/out" ] || ! grep -q 没有符合要求的名字 "$tmp/err"; then
  echo "FAIL every name avoided: '$all', $(wc -l <"$tmp/out") lines, $(head -c 200 "$tmp/err")"; failed=1
else
  echo "ok every name of 11|22 avoided ($all): the notice"
fi
exit $failed
