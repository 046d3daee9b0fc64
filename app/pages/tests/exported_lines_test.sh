#!/bin/sh
# Exports many readings as PDF files (the report page and the chart page),
# reads their text back with pdftotext -layout and fails when any line opens
# with closing punctuation: what a reader of the printed or exported pages
# would see. The readings spread over the calendar's span, both sexes, every
# hour and both calendars; the first three are the ones users reported.
#   exported_lines_test.sh path/to/karvuto-read
set -eu
read_program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

readings='
--solar 1994-03-15 --hour 17
--solar 1960-01-20 --hour 8
--solar 2033-08-01 --hour 5
--solar 1900-02-01 --hour 0 --sex female
--solar 1912-06-30 --hour 23
--solar 1919-05-10 --hour 12 --sex female
--solar 1925-11-07 --hour 3
--solar 1938-04-04 --hour 9 --sex female
--solar 1942-08-15 --hour 21
--solar 1949-10-01 --hour 15 --sex female
--solar 1955-12-22 --hour 6
--solar 1966-07-07 --hour 11 --sex female
--solar 1972-02-29 --hour 18
--solar 1979-09-09 --hour 2 --sex female
--solar 1986-05-04 --hour 1
--solar 1988-07-01 --hour 13 --sex female
--solar 1991-09-15 --hour 0
--solar 1999-12-31 --hour 23 --sex female
--solar 2000-01-01 --hour 23
--solar 2008-08-08 --hour 20 --sex female
--solar 2016-03-20 --hour 7
--solar 2024-02-10 --hour 10 --sex female
--solar 2050-06-21 --hour 14
--solar 2077-11-11 --hour 16 --sex female
--solar 2100-12-31 --hour 19
--lunar 1990-05-10 --leap --hour 22 --sex female
--lunar 2033-11-01 --leap --hour 4
--lunar 1961-08-15 --hour 17 --sex female
--lunar 2001-12-30 --hour 8
--lunar 1900-01-01 --hour 12
'

count=0
while read -r line; do
  [ -n "$line" ] || continue
  count=$((count + 1))
  pdf="$work/$count.pdf"
  # shellcheck disable=SC2086 # the arguments of one reading are split on purpose
  if ! "$read_program" --name 测试 $line --export "$pdf" >/dev/null; then
    echo "karvuto-read failed: $line"
    exit 1
  fi
  pdftotext -layout "$pdf" "$work/$count.txt"
  if grep -nE '^[[:space:]]*[，。、；：？！）」』》〉】…,.;:!?)]' "$work/$count.txt"; then
    echo "^ lines opening with closing punctuation: $line"
    exit 1
  fi
done <<READINGS
$readings
READINGS
echo "$count readings: every exported line opens with something other than closing punctuation"
