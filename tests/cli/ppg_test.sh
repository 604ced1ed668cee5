#!/bin/sh
# averoz-cli ppg end to end: steps, questions answered OK, refusals (exit 1, nothing
# written) and malformed command lines (exit 2). The program is copied into a fresh
# folder so that the averoz.INI beside it is this test's own.
# usage: ppg_test.sh PATH/TO/averoz-cli
. "$(dirname "$0")/cli_common.sh"
settings '[View]' 'Language=Japanese'

# expect CODE ARGS...: averoz-cli ppg with stdout in out.txt and stderr in err.txt.
expect() {
  want=$1; shift
  "$CLI" ppg "$@" > out.txt 2> err.txt
  got=$?
  [ "$got" -eq "$want" ] || fail "ppg $* gave exit $got, expected $want: $(cat err.txt)"
}
# column CH FIRST COUNT FILE: channel CH (1..6) of addresses FIRST.. of a pattern CSV as 0/1 text.
column() {
  tr -d '\r' < "$4" | awk -F, -v ch="$1" -v a="$2" -v n="$3" \
    'NR > a && NR <= a + n { printf "%s", $ch } END { print "" }'
}
is() { [ "$1" = "$2" ] || fail "$3: got $1, expected $2"; }

# ---- generators, insert and overwrite ------------------------------------------------------
expect 0 p.csv high rows=1 start=100 len=2 high rows=1 start=16373 len=2 high rows=1 at=100 len=10
is "$(column 1 98 14 p.csv)" "00111111111111" "insert at 100 opens 10 addresses"
is "$(column 1 16382 2 p.csv)" "01" "16373 moves to 16383, 16374 is lost"
is "$(column 2 100 12 p.csv)" "000000000000" "CH2 untouched by an insert into CH1"
is "$(tr -d '\r' < p.csv | wc -l)" "16384" "one line per address"
expect 0 c.csv clock rows=1 start=0 len=10 period=4 duty=50 clock rows=2 start=0 len=9 period=3 duty=50 \
  counter rows=3-5 start=0 len=16 period=4 value rows=6 start=0 len=2 bits=1
is "$(column 1 0 10 c.csv)" "1100110011" "clock P=4"
is "$(column 2 0 9 c.csv)" "110110110" "clock P=3 duty 50"
is "$(column 3 0 16 c.csv)$(column 5 0 16 c.csv)" "00110011001100110000000011111111" "counter rows"
is "$(sed -n 1p c.csv)" "$(printf '1,1,0,0,0,1\r')" "first line: CH1..CH6 bits"
expect 0 i.csv high rows=1 at=16300 len=84
expect 1 i.csv high rows=1 at=16300 len=85
err_has "設定できない値です。"
expect 1 i.csv high rows=1 at=16383 len=2
err_has "入力可能な領域がありません。"

# ---- clipboard -----------------------------------------------------------------------------
expect 0 r.csv high rows=1 start=0 len=10 copy rows=1 start=0 len=10 paste rows=2 start=100 len=100 repeat=2.5
is "$(column 2 98 29 r.csv)" "00111111111111111111111111100" "repeat 2.5 of 10 writes 25"
expect 1 r.csv copy rows=1-2 start=0 len=4 paste rows=3 start=10 len=4
err_has "コピー領域と貼り付け領域の形が合いません。(貼り付け可能ＣＨ数2)"
[ ! -e r2.csv ] || fail "a refused step wrote a file"

# ---- order, pairs and auto invert ----------------------------------------------------------
expect 0 v.csv order ch=1,4,2,5,3,6 autoinvert on high rows=1-2 start=0 len=4 high rows=3 start=0 len=2
is "$(column 1 0 4 v.csv)$(column 4 0 4 v.csv)" "11111111" "a pair edited together is not inverted"
is "$(column 2 0 4 v.csv)$(column 5 0 4 v.csv)" "11000011" "CH5 follows CH2"
expect 0 a.csv high rows=1 start=0 len=2 autoinvert on derive=1,5,3
is "$(column 1 0 3 a.csv)$(column 4 0 3 a.csv)$(column 2 0 1 a.csv)" "1100011" "derive: CH4 from CH1, CH2 from CH5"
expect 0 d.csv high rows=1 start=200 len=2 high rows=2 start=200 len=2 delete rows=1 start=100 len=100
is "$(column 1 99 4 d.csv)$(column 2 200 1 d.csv)" "01101" "delete moves the tail of CH1 down"
expect 1 d.csv high rows=1 start=5 len=1
err_has "設定できない値です。"

# ---- logic ---------------------------------------------------------------------------------
expect 0 l.csv value rows=1-2 start=0 len=2 bits=11 value rows=1 start=2 len=2 bits=1 \
  and src=1,2 dest=3 or src=1,2 dest=4 xor src=1,2 dest=5 not src=1 dest=6
is "$(column 3 0 4 l.csv)$(column 4 0 4 l.csv)$(column 5 0 4 l.csv)$(column 6 0 4 l.csv)" \
  "1100111100110000" "AND OR XOR NOT"
expect 0 s.csv clock rows=1 start=0 len=5 period=2 invert rows=1 start=3 len=2 \
  rotate src=1 dir=left n=1 start=0 len=5 shift src=1 dir=right n=2 start=10 len=5
is "$(column 1 0 5 s.csv)" "01101" "rotate left by 1"
expect 1 x.csv and src=1 dest=3
err_has "対象ＣＨは２ＣＨ以上必要です。"
expect 1 x.csv rotate src=1 dir=left n=6 start=0 len=5

# ---- the file ------------------------------------------------------------------------------
SOURCE_DATE_EPOCH=0 TZ=UTC "$CLI" ppg zero.ppg 2> err.txt || fail "ppg zero.ppg: $(cat err.txt)"
is "$(wc -c < zero.ppg | tr -d ' ')" "32838" "size of a new pattern file"
is "$(od -An -tx1 -j40 -N2 zero.ppg | tr -d ' ')" "0f87" "CRC of an all-zero pattern"

# ---- malformed command lines ---------------------------------------------------------------
expect 2 out.awf high rows=1 start=0 len=2
expect 2 m.csv high rows=x start=0 len=2
expect 2 m.csv high rows=1 start=0
expect 2 m.csv high rows=1 len=2
expect 2 m.csv high rows=1 start=0 at=3 len=2
expect 2 m.csv clock rows=1 start=0 len=8 speed=3
expect 2 m.csv rows=1 high
expect 2 m.csv value rows=1 start=0 len=2 bits=12
expect 2 m.csv equ src=1,2 dest=3
expect 2 m.csv rotate src=1 dir=up
expect 2 m.csv autoinvert maybe
[ ! -e m.csv ] || fail "a malformed command line wrote a file"

finish "averoz-cli ppg"
