#!/bin/sh
# averoz-cli end to end: exit codes, outputs and messages. The program is copied into a
# fresh folder so that the averoz.INI beside it is this test's own.
# usage: cli_test.sh PATH/TO/averoz-cli
. "$(dirname "$0")/cli_common.sh"

# with_epoch SECONDS TZ CODE CMD...: expect with SOURCE_DATE_EPOCH and TZ set for this run only.
with_epoch() {
  SOURCE_DATE_EPOCH=$1 TZ=$2
  export SOURCE_DATE_EPOCH TZ
  shift 2
  expect "$@"
  unset SOURCE_DATE_EPOCH TZ
}

line_of() { sed -n "${2}p" "$1"; }

settings '[View]' 'Language=Japanese'

# ---- usage errors --------------------------------------------------------------------------
expect 2
expect 2 bogus x.awf
expect 2 dump
expect 2 info a.awf b.awf
expect 2 convert only.awf
expect 2 convert in.awf out.txt
expect 2 convert in.awf out.awf --fill
expect 2 convert in.awf out.awf --color 3
expect 2 gen out.awf
expect 2 gen out.awf len=8
expect 2 gen out.awf sine foo=1
expect 2 gen out.awf sine wobble
expect 2 gen out.bin sine
[ ! -e out.awf ] || fail "a usage error wrote a file"

# ---- gen -> convert -> dump round trip -----------------------------------------------------
expect 0 gen w.awf square len=8 dc ofs=100 len=8 --fill 2047
[ "$(wc -c < w.awf)" -eq 32812 ] || fail "w.awf is not 32812 bytes"
expect 0 dump w.awf
cp out.txt dump1.txt
[ "$(wc -l < dump1.txt)" -eq 16384 ] || fail "dump of w.awf is not 16384 lines"
[ "$(sed -n '1,4p' dump1.txt | tr '\n' ' ')" = "4095 4095 4095 4095 " ] || fail "square high part"
[ "$(sed -n '5,8p' dump1.txt | tr '\n' ' ')" = "0 0 0 0 " ] || fail "square low part"
[ "$(sed -n '9,16p' dump1.txt | sort -u)" = 2148 ] || fail "dc block"
[ "$(line_of dump1.txt 17)" = 2047 ] && [ "$(line_of dump1.txt 16384)" = 2047 ] ||
  fail "tail not filled with 2047"

expect 0 convert w.awf w.csv
[ "$(head -c 6 w.csv | od -An -c | tr -d ' ')" = '4095\r\n' ] || fail "csv line ends"
expect 0 dump w.csv
cmp -s out.txt dump1.txt || fail "dump of the csv differs from the binary"
err_has "16384個のデータを読み込みました。"
expect 0 convert w.csv back.awf
cmp -s back.awf w.awf || fail "csv -> awf is not the original file"
expect 0 convert w.awf w.ope
cmp -s w.ope w.awf || fail ".ope has another layout"

# ---- info ----------------------------------------------------------------------------------
expect 0 info w.ope
printf 'format: binary\nkind: Operation\nsamples: 16384\nmodel: TORVEK PELWAVE\nversion: 0 1 0 0\n' > want.txt
cmp -s out.txt want.txt || fail "info of w.ope: $(cat out.txt)"
printf 'Time,Value\n0,10\n1,20\n2,30\n' > two.csv
expect 0 info two.csv
printf 'format: text\nkind: Modulation\nsamples: 6\n' > want.txt
cmp -s out.txt want.txt || fail "info of two.csv: $(cat out.txt)"

# ---- refused input -------------------------------------------------------------------------
printf 'short' > short.awf
expect 1 dump short.awf
err_has "ファイル形式が違います。"
{ head -c 37 w.awf; printf 'ABCDE47'; tail -c +45 w.awf; } > nosize.awf
expect 1 dump nosize.awf
err_has "有効なデータがありません。"
printf 'header only\n' > words.txt
expect 1 dump words.txt
err_has "有効なデータがありません。"
expect 1 info missing.awf
[ -s err.txt ] || fail "a missing file gave no reason"
printf -- '-\n' > dash.txt
expect 1 dump dash.txt

# Invalid cells are reported and read 0; nobody is asked.
printf '5,\n7,8\n' > cells.csv
expect 0 dump cells.csv
[ "$(tr '\n' ' ' < out.txt)" = "5 7 0 8 " ] || fail "import with an empty cell: $(cat out.txt)"
err_has "無効なデータです。値０としました。 (1行2列→アドレス:2)"

# An undrawn tail is refused without --fill and the old output stays.
printf '100\n' > one.txt
cp w.awf keep.awf
expect 1 convert one.txt keep.awf
err_has "未編集部分の値を設定して下さい。 (1..16383: --fill CODE)"
cmp -s keep.awf w.awf || fail "a refused convert changed the existing output"
expect 1 convert one.txt keep.awf --fill 4096
err_has "設定できない値です。"
expect 1 convert one.txt keep.awf --fill x
expect 0 convert one.txt keep.awf --fill 0
expect 0 dump keep.awf
[ "$(line_of out.txt 1)" = 100 ] && [ "$(line_of out.txt 2)" = 0 ] || fail "fill with 0"

# Values out of the field ranges.
for bad in amp=2049 amp=-1 ofs=2048 ofs=-2049 cycles=0 cycles=101 phase=361 damp=17 \
           duty=101 len=7 len=16385 amp=x; do
  expect 1 gen r.awf sine "$bad" --fill 0
  err_has "設定できない値です。"
done
[ ! -e r.awf ] || fail "a refused gen wrote a file"
expect 0 gen edge.csv sine ofs=-2048 amp=0 cycles=0.01 phase=360 len=8 --fill 1
# No room left for a second block.
expect 1 gen full.awf dc len=16380 sine
err_has "入力可能な領域がありません。"
expect 0 gen full.awf dc len=16376 sine len=8

# ---- pattern files -------------------------------------------------------------------------
# An all-zero pattern named "zero", written 1970-01-01 00:00:00, byte by byte: model text,
# versions, name, "PPG" 0x00, date, 00 02 00, CRC 0x0F87, 0, 16384 words, 20 zero bytes.
{
  printf 'TORVEK PELWAVE\000\001\000\000zero\000\000\000\000PPG\000'
  printf '\007\262\001\001\000\000\000\000\002\000\017\207\000\000\000\000\000\000\100\000'
  head -c 20 /dev/zero
  head -c 32768 /dev/zero
} > zero.ppg
expect 0 dump zero.ppg
[ "$(wc -l < out.txt)" -eq 16384 ] && [ "$(sort -u out.txt)" = 0 ] || fail "dump of zero.ppg"
expect 0 info zero.ppg
printf 'format: binary\nkind: PPG\nwords: 16384\nname: zero\nmodel: TORVEK PELWAVE\nversion: 0 1 0 0\ndate: 1970-01-01 00:00:00\ncrc: 0x0F87 matches\n' > want.txt
cmp -s out.txt want.txt || fail "info of zero.ppg: $(cat out.txt)"
# SOURCE_DATE_EPOCH fixes the date (in local time), so the copy is the same file.
mkdir -p copy
with_epoch 0 UTC 0 convert zero.ppg copy/zero.ppg
cmp -s copy/zero.ppg zero.ppg || fail "zero.ppg -> .ppg is not the same file"
with_epoch 3600 JST-9 0 convert zero.ppg averylongname.PPG
expect 0 info averylongname.PPG
grep -qx 'name: averylon' out.txt && grep -qx 'date: 1970-01-01 10:00:00' out.txt ||
  fail "name field or local date: $(cat out.txt)"
with_epoch soon UTC 1 convert zero.ppg late.ppg
err_has "SOURCE_DATE_EPOCH"
[ ! -e late.ppg ] || fail "a malformed SOURCE_DATE_EPOCH wrote a file"

# A pattern with CH1 high at addresses 0..9 and CH3 at 5 and 6: words, text export, round trip.
expect 0 ppg p.ppg high rows=1 start=0 len=10 high rows=3 start=5 len=2
expect 0 dump p.ppg
[ "$(sed -n '1,8p' out.txt | tr '\n' ' ')" = "1 1 1 1 1 5 5 1 " ] && [ "$(line_of out.txt 11)" = 0 ] ||
  fail "dump of p.ppg: $(sed -n '1,12p' out.txt | tr '\n' ' ')"
cp out.txt dump_p.txt
expect 0 convert p.ppg p.csv
[ "$(sed -n '6p' p.csv | od -An -c | tr -d ' \n')" = '1,0,1,0,0,0\r\n' ] || fail "csv line of address 5"
[ "$(wc -l < p.csv)" -eq 16384 ] || fail "p.csv is not 16384 lines"
expect 0 convert p.ppg q.ppg
expect 0 dump q.ppg
cmp -s out.txt dump_p.txt || fail "p.ppg -> q.ppg changed the data"

# Usage errors: a pattern converts to .ppg or .csv only, and takes no --fill.
for out in x.awf x.ope x.txt; do
  expect 2 convert p.ppg "$out"
  [ ! -e "$out" ] || fail "convert to $out wrote a file"
done
expect 2 convert p.ppg x.csv --fill 0
err_has "--fill"
expect 2 convert w.awf x.ppg

# Refused pattern files: the wrong-format message, nothing written.
head -c 32837 zero.ppg > short.ppg
{ head -c 70 zero.ppg; printf '\000\001'; tail -c +73 zero.ppg; } > flipped.ppg
for bad in short.ppg flipped.ppg missing.ppg; do
  expect 1 dump "$bad"
  [ -s err.txt ] && [ ! -s out.txt ] || fail "dump of $bad: $(cat err.txt)"
  expect 1 convert "$bad" out.csv
  [ ! -e out.csv ] || fail "a refused $bad was converted"
done
expect 1 dump short.ppg
err_has "ファイル形式が違います。"
# info still shows the header of a file whose CRC does not match.
expect 1 info flipped.ppg
grep -qx 'crc: 0x0F87 does not match the data (0x.*)' out.txt || fail "info of flipped.ppg: $(cat out.txt)"
err_has "ファイル形式が違います。"
expect 1 info short.ppg
[ ! -s out.txt ] || fail "info described a file without a pattern header"

# ---- settings beside the program -----------------------------------------------------------
settings '[View]' 'Language=English' '[Message]' 'ERRMSG16=Wrong file format.' \
         '[Load]' 'FileVersion1=2'
expect 1 dump w.awf
err_has "Wrong file format."
settings '[Save]' 'ModelNumber=OTHER MODEL' 'FileVersion3=7' '[Load]' 'ModelNumber='
expect 0 convert w.csv other.awf
expect 0 info other.awf
grep -qx 'model: OTHER MODEL' out.txt && grep -qx 'version: 0 1 0 7' out.txt ||
  fail "Save settings not used: $(cat out.txt)"

# The "Load" section decides for pattern files too.
settings '[Load]' 'FileVersion1=2'
expect 1 info zero.ppg
settings '[Load]' 'ModelNumber=TORVEK' 'FileVersion1=1'
expect 0 dump zero.ppg

# ---- exports: a waveform as WAV, a pattern as VCD ------------------------------------------
settings '[View]' 'Language=Japanese'
expect 0 convert w.awf w.wav
[ "$(wc -c < w.wav)" -eq 32812 ] || fail "w.wav is not a 44-byte header and 16384 16-bit frames"
[ "$(head -c 4 w.wav)$(dd if=w.wav bs=1 skip=8 count=4 2>/dev/null)" = RIFFWAVE ] || fail "w.wav header"
[ "$(od -An -t u4 -j 24 -N 4 w.wav | tr -d ' ')" = 48000 ] || fail "default sample rate"
# The frames mapped back from -32768..32767 onto 0..4095 are the file's codes.
od -An -v -t d2 -j 44 w.wav | tr -s ' ' '\n' | sed '/^$/d' |
  awk '{ c = ($1 + 32768) * 4095 / 65535; print int(c + 0.5) }' > back.txt
cmp -s back.txt dump1.txt || fail "w.wav does not give back the codes of w.awf"
settings '[Export]' 'WavSampleRate=8000' 'VcdTimeStep=2.5us'
expect 0 convert w.awf w.wav
[ "$(od -An -t u4 -j 24 -N 4 w.wav | tr -d ' ')" = 8000 ] || fail "WavSampleRate not used"
expect 2 convert w.awf w.vcd
expect 2 convert p.ppg p.wav
[ ! -e w.vcd ] && [ ! -e p.wav ] || fail "a usage error wrote an export"

# sigrok reads the exported pattern as the pattern's own text export has it.
expect 0 ppg v.ppg clock rows=1 start=0 len=16384 period=8 duty=25 \
                   counter rows=2-4 start=0 len=4096 period=16 high rows=6 start=16000 len=384
expect 0 convert v.ppg v.csv
expect 0 convert v.ppg v.vcd
grep -qx '\$timescale 100 ns \$end' v.vcd && [ "$(tail -n 1 v.vcd)" = '#409600' ] ||
  fail "VcdTimeStep not used: $(head -n 2 v.vcd | tail -n 1), $(tail -n 1 v.vcd)"
settings '[View]' 'Language=Japanese'
expect 0 convert v.ppg v.vcd
grep -qx '\$var wire 1 f CH6 \$end' v.vcd || fail "v.vcd names no CH6"
if sigrok-cli -I vcd -i v.vcd -O csv > sigrok.txt 2>&1; then
  grep '^[01],' sigrok.txt > bits.txt
  tr -d '\r' < v.csv | cmp -s - bits.txt || fail "sigrok-cli reads other bits from v.vcd"
else
  fail "sigrok-cli (must be installed) cannot read v.vcd: $(head -c 300 sigrok.txt)"
fi

finish "averoz-cli"
