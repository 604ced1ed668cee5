#!/bin/sh
# averoz-cli import: captured and computed signals made into waveform files, and refusals.
# usage: import_test.sh PATH/TO/averoz-cli
. "$(dirname "$0")/cli_common.sh"

# codes FILE.awf|.ope EXPECTED...: the first samples of a written file.
codes() {
  file=$1; shift
  "$CLI" dump "$file" > dump.txt 2> err.txt || fail "dump $file: $(cat err.txt)"
  got=$(head -n $# dump.txt | tr '\n' ' ')
  [ "$got" = "$* " ] || fail "$file starts with $got, expected $*"
}

settings '[View]' 'Language=Japanese'

# A scope's CSV: title lines, a time column, the values in volts.
printf 'Model,SCOPE-X\r\nTime (s),CH1 (V),CH2 (V)\r\n' > scope.csv
printf '%s\r\n' '0.0,-1.0e+00,5' '1.0e-6,-5.0e-01,5' '2.0e-6,0.0e+00,5' '3.0e-6,5.0e-01,5' '4.0e-6,1.0e+00,5' >> scope.csv

# Defaults: the first value column stretched to 16384 samples over 0..4095.
expect 0 import scope.csv wave.awf
codes wave.awf 0
[ "$(sed -n 16384p dump.txt)" = 4095 ] || fail "the last sample is not 4095: $(sed -n 16384p dump.txt)"
[ "$(wc -l < dump.txt)" -eq 16384 ] || fail "wave.awf does not hold 16384 samples"

expect 0 import scope.csv short.ope --length 5 --fill 100
codes short.ope 0 1024 2048 3071 4095 100
"$CLI" info short.ope | grep -q "kind: Operation" || fail "short.ope is not an Operation file"
expect 0 import scope.csv fixed.csv --length 5 --fill 0 --range -0.5:0.5
[ "$(head -n 5 fixed.csv | tr -d '\r' | tr '\n' ' ')" = "0 0 2048 4095 4095 " ] ||
  fail "a volts range does not clip: $(head -n 5 fixed.csv)"
# The second column by its title: a constant signal sits at mid-scale.
expect 0 import scope.csv flat.awf --column "CH2 (V)" --length 3 --fill 0
codes flat.awf 2048 2048 2048 0

# A 24-bit stereo WAV: channel 1 -1, 0, +0.5, +1 of full scale; channel 2 100..400.
{
  printf 'RIFF\074\000\000\000WAVEfmt \020\000\000\000\001\000\002\000\104\254\000\000'
  printf '\230\011\004\000\006\000\030\000data\030\000\000\000'
  printf '\000\000\200\144\000\000\000\000\000\310\000\000'
  printf '\000\000\100\054\001\000\377\377\177\220\001\000'
} > stereo.wav
expect 0 import stereo.wav left.awf --length 4 --fill 0 --range -1:1
codes left.awf 0 2048 3071 4095
expect 0 import stereo.wav right.awf --channel 2 --length 4 --fill 0
codes right.awf 0 1365 2730 4095

# A float32 .npy: 0, 0.25, 0.5, 1.
dict="{'descr': '<f4', 'fortran_order': False, 'shape': (4,), }"
{
  printf '\223NUMPY\001\000\166\000%s' "$dict"
  printf '%*s\n' $((117 - ${#dict})) ''
  printf '\000\000\000\000\000\000\200\076\000\000\000\077\000\000\200\077'
} > computed.npy
expect 0 import computed.npy array.awf --length 4 --fill 9
codes array.awf 0 1024 2048 4095 9

# ---- refusals: the file and the place are named; an existing output stays as it was ------
cp wave.awf keep.awf
printf 'name,value\nfoo,bar\n' > words.csv
expect 1 import words.csv keep.awf
err_has "words.csv: line 2: no numeric column"
cmp -s wave.awf keep.awf || fail "a refused import changed the output file"
printf '1\n2\nnan\n' > gap.csv
expect 1 import gap.csv out.awf
err_has 'gap.csv: line 3: column 1: "nan" is not a finite number'
{
  printf 'RIFF\047\000\000\000WAVEfmt \020\000\000\000\006\000\001\000\100\037\000\000'
  printf '\100\037\000\000\001\000\010\000data\003\000\000\000\001\002\003'
} > alaw.wav
expect 1 import alaw.wav out.awf
err_has "alaw.wav: fmt chunk: the encoding"
: > empty.csv
expect 1 import empty.csv out.awf
err_has "empty.csv: empty signal"
expect 1 import scope.csv out.awf --length 5
err_has "未編集部分の値を設定して下さい。"
expect 1 import scope.csv out.awf --column 3
err_has "scope.csv: there is no column 3 (the file has 2)"
expect 1 import scope.csv out.awf --range 1:1
err_has "scope.csv: the range needs two different finite values"
expect 1 import scope.csv out.awf --range 1
expect 1 import scope.csv out.awf --length 16385
expect 1 import missing.csv out.awf
err_has "missing.csv: No such file or directory"
[ -e out.awf ] && fail "a refused import wrote out.awf"

expect 0 import --help
grep -q "usage: averoz-cli import IN OUT" out.txt || fail "import --help does not show its usage"
expect 2 import scope.csv
expect 2 import scope.csv out.txt
expect 2 import scope.csv out.awf --colour 2
expect 2 import scope.csv out.awf --length

finish "averoz-cli import"
