#!/bin/sh
# Builds the libFuzzer harnesses of the data-file readers with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a while when asked:
#   tools/fuzz/build.sh [OUTDIR]          build into OUTDIR (default build-fuzz)
#   tools/fuzz/build.sh OUTDIR run SECS   build, then run each harness SECS seconds
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
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I$ROOT/src"
CORE="$ROOT/src/core/files/WaveFile.cpp $ROOT/src/core/files/FileRead.cpp
  $ROOT/src/core/files/FileHeaderSettings.cpp $ROOT/src/core/files/AtomicWrite.cpp
  $ROOT/src/core/files/TextImport.cpp $ROOT/src/core/files/TextCells.cpp
  $ROOT/src/core/app/IniFile.cpp $ROOT/src/core/app/general.cpp"

for harness in fuzz_wavefile fuzz_textimport; do
  # shellcheck disable=SC2086
  clang++ $CXXFLAGS -o "$OUT/$harness" "$ROOT/tools/fuzz/$harness.cpp" $CORE
done
echo "built $OUT/fuzz_wavefile $OUT/fuzz_textimport"

if [ "${2:-}" = run ]; then
  SECS=${3:-60}
  for harness in fuzz_wavefile fuzz_textimport; do
    mkdir -p "$OUT/corpus_$harness"
    "$OUT/$harness" -max_total_time="$SECS" -max_len=40000 -print_final_stats=1 \
      -artifact_prefix="$OUT/$harness-" "$OUT/corpus_$harness" "$ROOT/tools/fuzz/seeds_$harness"
  done
fi
