#!/bin/sh
# Builds the libFuzzer harnesses (the data-file readers and the instrument reply parsers) with
# clang, AddressSanitizer and UndefinedBehaviorSanitizer, and runs them for a while when asked:
#   tools/fuzz/build.sh [OUTDIR]                       build into OUTDIR (default build-fuzz)
#   tools/fuzz/build.sh OUTDIR run SECS [HARNESS...]   build, then run each harness (or the
#                                                      ones named) SECS seconds
set -eu
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
OUT=${1:-$ROOT/build-fuzz}
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)

if ! command -v clang++ >/dev/null 2>&1; then
  if ! dpkg -s clang >/dev/null 2>&1; then
    apt-get update
    apt-get install -y clang
  fi
fi

CXXFLAGS="-std=c++20 -g -O1 -Wall -Wextra -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I$ROOT/src -I$ROOT/tools"
APP="$ROOT/src/core/app/IniFile.cpp $ROOT/src/core/app/general.cpp"
FILES="$ROOT/src/core/files/WaveFile.cpp $ROOT/src/core/files/FileRead.cpp
  $ROOT/src/core/files/FileHeaderSettings.cpp $ROOT/src/core/files/AtomicWrite.cpp
  $ROOT/src/core/files/TextImport.cpp $ROOT/src/core/files/TextCells.cpp
  $ROOT/src/core/files/PatternRead.cpp $ROOT/src/core/files/PatternFile.cpp
  $ROOT/src/core/files/FileNames.cpp $APP"
COMM="$ROOT/src/core/comm/Protocol.cpp $ROOT/src/core/comm/BlockPieces.cpp $APP"
ALL="fuzz_wavefile fuzz_textimport fuzz_patternread fuzz_identity fuzz_blockheader"

sources() {
  case $1 in
    fuzz_wavefile | fuzz_textimport | fuzz_patternread) echo "$FILES" ;;
    *) echo "$COMM" ;;
  esac
}

for harness in $ALL; do
  # shellcheck disable=SC2046
  clang++ $CXXFLAGS -o "$OUT/$harness" "$ROOT/tools/fuzz/$harness.cpp" $(sources $harness)
  echo "built $OUT/$harness"
done

if [ "${2:-}" = run ]; then
  SECS=${3:-60}
  if [ $# -gt 3 ]; then
    shift 3
    RUN="$*"
  else
    RUN=$ALL
  fi
  for harness in $RUN; do
    mkdir -p "$OUT/corpus_$harness"
    "$OUT/$harness" -max_total_time="$SECS" -max_len=40000 -print_final_stats=1 \
      -artifact_prefix="$OUT/$harness-" "$OUT/corpus_$harness" "$ROOT/tools/fuzz/seeds_$harness"
  done
fi
