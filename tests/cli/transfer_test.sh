#!/bin/sh
# averoz-cli identify, send and receive against the simulated instrument: over GPIB through
# the simulated driver library named in the settings, over RS-232C through nqsim-serial on a
# pseudo-terminal, over the LAN through nqsim-serial on a loopback port. Faults come from the
# simulator; Ctrl+C aborts a slow serial transfer.
# usage: transfer_test.sh PATH/TO/averoz-cli   (NQSIM_GPIB_LIBRARY and NQSIM_SERIAL set)
. "$(dirname "$0")/cli_common.sh"
# The checks read the built-in Japanese texts, which a settings file without a Language key
# takes from a Japanese locale.
LC_ALL=ja_JP.UTF-8
export LC_ALL
: "${NQSIM_GPIB_LIBRARY:?the simulated GPIB library}" "${NQSIM_SERIAL:?nqsim-serial}"
SIM= SIM2=
stop_sim() { [ -z "$SIM" ] || { kill "$SIM"; wait "$SIM" 2>/dev/null; }; SIM=; }
trap 'stop_sim; [ -z "$SIM2" ] || kill "$SIM2"; rm -rf "$WORK"' EXIT

# expect CODE ARGS...: averoz-cli with stdout in out.txt and stderr in err.txt.
expect() {
  want=$1; shift
  "$CLI" "$@" > out.txt 2> err.txt
  got=$?
  [ "$got" -eq "$want" ] || fail "$* gave exit $got, expected $want: $(cat err.txt)"
}
absent() { [ ! -e "$1" ] || fail "$1 was written: $2"; }
same_samples() {
  "$CLI" dump "$1" > a.txt && "$CLI" dump "$2" > b.txt && cmp -s a.txt b.txt ||
    fail "$1 and $2 hold different samples"
}

"$CLI" gen wave.awf sine len=8192 ramp len=8192 > /dev/null 2>&1 || fail "gen wave.awf"
"$CLI" dump wave.awf > wave.txt
printf '0\n' > tail.csv  # one sample: the rest of the memory is undrawn
"$CLI" ppg pat.ppg clock rows=1 start=0 len=1000 period=4 duty=50 > /dev/null 2>&1 || fail "ppg"

# ---- the command line ----------------------------------------------------------------------
settings '[View]' 'Language=Japanese'
expect 1 identify
err_has "転送設定をして下さい。"
expect 2 send wave.awf
expect 2 send wave.awf --memory 4
expect 2 send wave.awf --memory 1 --via usb
expect 2 send wave.txt --memory 1
expect 2 receive out.txt --memory 1
expect 2 identify --settings missing.ini
expect 2 identify extra
expect 2 identify --verify
expect 2 receive out.awf --memory 1 --verify

# ---- GPIB: the library named in the settings beside the program -----------------------------
# The simulated memories live in a state folder of this run's own, fresh at the start.
NQSIM_STATE_DIR="$WORK/state"
export NQSIM_STATE_DIR
settings '[GPIB]' 'Address=4' "Library=$NQSIM_GPIB_LIBRARY"
expect 0 identify
[ "$(cat out.txt)" = "NQSIM,NQ-2000,0,1.00" ] || fail "identity printed: $(cat out.txt)"
expect 0 send wave.awf --memory 1
err_has "転送完了しました"
# --settings replaces the file beside the program, before or after the command, for any command.
printf '%s\n' '[View]' 'Language=Japanese' > bare.ini
expect 1 --settings bare.ini identify
err_has "転送設定をして下さい。"
expect 0 dump wave.awf --settings bare.ini
expect 0 send pat.ppg --memory 3 --via gpib
err_has "転送完了しました"
expect 1 send tail.csv --memory 1
err_has "未編集部分の値を設定して下さい。"
# Each run loads the library afresh: what the send stored is still there, memory 2 still holds
# its power-on zeros.
for out in g.awf g.ope g.csv; do
  expect 0 receive "$out" --memory 1
  same_samples "$out" wave.awf
done
expect 0 receive z.awf --memory 2
[ "$("$CLI" dump z.awf | sort -u)" = "0" ] || fail "memory 2: not its power-on zeros"
# --verify reads the memory back and compares it whole: a waveform, a pattern's file image.
expect 0 send wave.awf --verify --memory 1
expect 0 send pat.ppg --memory 3 --verify
# A memory that stores a block wrong: the plain send cannot tell, the verified one names the
# first word that differs (the middle of 16384).
NQSIM_FAULT=corrupt_store expect 0 send wave.awf --memory 0
NQSIM_FAULT=corrupt_store expect 1 send wave.awf --memory 0 --verify
err_has "address 8192 differs"
# One fault per step: no reply, a refused identity, no "+1", a block cut short, a bad header.
NQSIM_FAULT=silent expect 1 identify
NQSIM_FAULT=garbage_idn expect 1 send wave.awf --memory 0
err_has "この機種には対応していません"
NQSIM_FAULT=no_ack expect 1 send wave.awf --memory 0
err_has "転送中断または失敗しました"
for fault in silent garbage_idn no_ack short_block hash7; do
  NQSIM_FAULT=$fault expect 1 receive "bad_$fault.awf" --memory 0
  absent "bad_$fault.awf" "GPIB receive with $fault"
done

# ---- RS-232C: COM1 mapped to the simulator's pseudo-terminal, settings named by --settings ----
printf '%s\n' '[GPIB]' 'Address=4' '[RS]' 'Port=0' 'Rate=4' 'Stopbit=1' "COM1=$WORK/tty" > rs.ini
# wait_for TEST: waits up to 10 s until the shell test holds.
wait_for() {
  n=0
  until eval "$1" || [ $n -ge 100 ]; do sleep 0.1; n=$((n + 1)); done
}
# start_sim [OPTION...]: a fresh simulator behind $WORK/tty.
start_sim() {
  stop_sim
  rm -f "$WORK/tty"
  "$NQSIM_SERIAL" --link "$WORK/tty" "$@" > sim.txt &
  SIM=$!
  wait_for '[ -e "$WORK/tty" ]'
}
start_sim
expect 0 identify --via serial --settings rs.ini
[ "$(cat out.txt)" = "NQSIM,NQ-2000,0,1.00" ] || fail "serial identity printed: $(cat out.txt)"
# The line the port left set up: 19200 bit/s, two stop bits, RTS/CTS handshake, raw.
stty -F "$WORK/tty" -a > line.txt
for want in "speed 19200 baud" " cstopb" " crtscts" " -icanon" " -echo "; do
  grep -qF -- "$want" line.txt || fail "serial line lacks \"$want\": $(cat line.txt)"
done
expect 0 send wave.awf --memory 2 --via serial --settings rs.ini --verify
err_has "転送完了しました"
expect 0 receive back.ope --memory 2 --via serial --settings rs.ini
same_samples back.ope wave.awf
expect 0 receive back.csv --settings rs.ini --memory 2 --via serial
same_samples back.csv wave.awf
# A pattern's memory holds its file image, which is no waveform: nothing is written.
expect 0 send pat.ppg --memory 3 --via serial --settings rs.ini --verify
expect 1 receive patback.awf --memory 3 --via serial --settings rs.ini
err_has "ファイル形式が違います。"
absent patback.awf "a pattern memory received as a waveform"

# early_faults START VIA INI: no reply, a refused identity, no "+1", each from a simulator that
# START starts, over --via VIA with the settings INI.
early_faults() {
  $1 --fault silent
  expect 1 identify --via "$2" --settings "$3"
  err_has "通信エラーです"
  $1 --fault garbage_idn
  expect 1 send wave.awf --memory 0 --via "$2" --settings "$3"
  err_has "この機種には対応していません"
  $1 --fault no_ack
  expect 1 receive bad.awf --memory 0 --via "$2" --settings "$3"
  err_has "転送中断または失敗しました"
  absent bad.awf "$2 receive without +1"
}
early_faults start_sim serial rs.ini
start_sim --fault hash7
expect 1 receive bad.awf --memory 0 --via serial --settings rs.ini
absent bad.awf "serial receive of a \"#7\" block"

# A serial block cut short ends only with the receive's 40 s time-out: it waits in the
# background, beside the LAN cases, on a simulator of its own.
"$NQSIM_SERIAL" --link "$WORK/tty2" --fault short_block > sim2.txt &
SIM2=$!
wait_for '[ -e "$WORK/tty2" ]'
{ sed "s|^COM1=.*|COM1=$WORK/tty2|" rs.ini; printf '%s\n' '[View]' 'Language=Japanese'; } > rs2.ini
"$CLI" receive short.awf --memory 0 --via serial --settings rs2.ini > short_out.txt 2> short_err.txt &
SHORT=$!

# ---- LAN: the simulator on a free loopback port, named in lan.ini --------------------------
# start_lan [OPTION...]: a fresh simulator; lan.ini points at it.
start_lan() {
  stop_sim
  : > port.txt  # emptied before the simulator starts, which writes its port there
  "$NQSIM_SERIAL" --tcp 0 "$@" > port.txt &
  SIM=$!
  wait_for '[ -s port.txt ]'
  printf '%s\n' '[View]' 'Language=Japanese' '[GPIB]' 'Address=4' \
    '[TCPIP]' 'IPAddress=127.0.0.1' "PortNo=$(cat port.txt)" > lan.ini
}
start_lan
expect 0 identify --via lan --settings lan.ini
[ "$(cat out.txt)" = "NQSIM,NQ-2000,0,1.00" ] || fail "LAN identity printed: $(cat out.txt)"
expect 0 send wave.awf --memory 2 --via lan --settings lan.ini
err_has "転送完了しました"
expect 0 receive lanback.awf --memory 2 --via lan --settings lan.ini
same_samples lanback.awf wave.awf
expect 0 send wave.awf --memory 1 --via lan --settings lan.ini --verify
expect 0 send pat.ppg --memory 3 --via lan --settings lan.ini
expect 0 send pat.ppg --memory 3 --via lan --settings lan.ini --verify
start_lan --fault corrupt_store
expect 0 send wave.awf --memory 0 --via lan --settings lan.ini
expect 1 send wave.awf --memory 0 --via lan --settings lan.ini --verify
err_has "address 8192 differs"
# One fault per step.
early_faults start_lan lan lan.ini
expect 1 send wave.awf --memory 0 --via lan --settings lan.ini
err_has "転送中断または失敗しました"
for fault in silent garbage_idn no_ack short_block hash7; do
  start_lan --fault $fault
  expect 1 receive "lan_$fault.awf" --memory 0 --via lan --settings lan.ini
  absent "lan_$fault.awf" "LAN receive with $fault"
done
# Nobody listening on the port: refused, naming the address.
stop_sim
expect 1 identify --via lan --settings lan.ini
err_has "LAN (127.0.0.1:"

wait "$SHORT"
got=$?
[ "$got" -eq 1 ] || fail "serial receive of a short block gave exit $got: $(cat short_err.txt)"
grep -qF "秒以上待つか" short_err.txt || fail "no wait advice after a short block: $(cat short_err.txt)"
absent short.awf "serial receive of a short block"
kill "$SIM2"
wait "$SIM2" 2>/dev/null
SIM2=

# ---- Ctrl+C: a block at 1200 bit/s takes minutes; SIGINT aborts it at once --------------------
# interrupt ARGS...: runs averoz-cli in the background, sends SIGINT once the block is on its
# way, and leaves the exit code in $got.
interrupt() {
  : > err.txt  # the last run's "transferring" must not set off the signal early
  "$CLI" "$@" > out.txt 2> err.txt &
  pid=$!
  wait_for 'grep -qF "転送しています" err.txt'
  kill -INT "$pid"
  wait "$pid"
  got=$?
}
start_sim --rate 1200
cp wave.awf kept.awf
interrupt receive kept.awf --memory 2 --via serial --settings rs.ini
[ "$got" -eq 1 ] || fail "interrupted receive gave exit $got: $(cat err.txt)"
err_has "秒以上待つか"
cmp -s kept.awf wave.awf || fail "an interrupted receive changed OUT"
start_sim --rate 1200
interrupt send wave.awf --memory 2 --via serial --settings rs.ini
[ "$got" -eq 1 ] || fail "interrupted send gave exit $got: $(cat err.txt)"
err_has "転送中断または失敗しました"
stop_sim
# No port behind COM1, no driver library: refused before anything is sent.
expect 1 identify --via serial --settings rs.ini
err_has "COM1 ($WORK/tty)"
settings '[GPIB]' 'Address=4' "Library=$WORK/none.so"
expect 1 send wave.awf --memory 0

finish transfer_test
