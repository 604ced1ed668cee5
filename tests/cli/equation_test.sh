#!/bin/sh
# averoz-cli gen with "eq" blocks: the codes against an evaluation made here with awk, the
# position of a syntax error, a sample without a value, and the room of the document.
# usage: equation_test.sh PATH/TO/averoz-cli
. "$(dirname "$0")/cli_common.sh"

expect() {
  want=$1; shift
  "$CLI" "$@" > out.txt 2> err.txt
  got=$?
  [ "$got" -eq "$want" ] || fail "averoz-cli $* gave exit $got, expected $want: $(cat err.txt)"
}

settings '[View]' 'Language=Japanese'

# A whole document from one expression, compared sample by sample.
expect 0 gen sine.csv eq len=16384 'f=mid + fs*sin(2*pi*3*t)*exp(-t)'
expect 0 dump sine.csv
awk 'BEGIN { pi = atan2(0, -1)
             for (x = 0; x < 16384; x++) {
               v = 2048 + 2047 * sin(2 * pi * 3 * x / 16384) * exp(-x / 16384)
               r = v < 0 ? -int(-v + 0.5) : int(v + 0.5)
               print (r < 0 ? 0 : r > 4095 ? 4095 : r) } }' > want.txt
cmp -s out.txt want.txt || fail "eq sine differs from the awk evaluation"

# Square shape, clipping, and a block after a standard shape; the tail filled as asked.
expect 0 gen sq.awf eq len=12 'f=mid + fs*rect(3*t)' --fill 0
expect 0 dump sq.awf
[ "$(sed -n '1,13p' out.txt | tr '\n' ' ')" = "4095 4095 1 1 4095 4095 1 1 4095 4095 1 1 0 " ] ||
  fail "rect block: $(sed -n '1,13p' out.txt | tr '\n' ' ')"
expect 0 gen mix.csv dc len=8 ofs=5 eq len=8 'f=x*1000 - 2000' --fill 7
expect 0 dump mix.csv
[ "$(sed -n '8,17p' out.txt | tr '\n' ' ')" = "2053 0 0 0 1000 2000 3000 4000 4095 7 " ] ||
  fail "eq after dc: $(sed -n '8,17p' out.txt | tr '\n' ' ')"

# Refusals: exit 1, the reason on stderr, no file.
expect 1 gen bad.awf eq len=8 'f=2*(x + ' --fill 0
err_has "position 8: Unexpected end of expression"
expect 1 gen bad.awf eq len=8 'f=3*foo(x)' --fill 0
err_has 'position 3: Unexpected token "foo" found'
expect 1 gen bad.awf eq len=8 'f=1000*log(4 - x)' --fill 0
err_has "Sample x = 4 gives infinity"
expect 1 gen bad.awf dc len=16380 eq len=8 f=x --fill 0
err_has "入力可能な領域がありません。"
expect 1 gen bad.awf dc len=16370 eq len=20 f=x --fill 0
err_has "(len=20, room 14)"
[ ! -e bad.awf ] || fail "a refused gen wrote a file"

# Usage: eq without its expression, or with a key of the standard shapes.
expect 2 gen u.awf eq len=8
expect 2 gen u.awf eq amp=100 f=x
expect 2 gen u.awf sine f=x

finish equation_test
