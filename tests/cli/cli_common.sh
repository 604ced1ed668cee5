# Sourced by the averoz-cli test scripts: the program copied into a fresh folder (so the
# averoz.INI beside it is the test's own), failure counting and the checks they share.
# The sourcing script passes its own arguments: PATH/TO/averoz-cli.
set -u
[ $# -eq 1 ] || { echo "usage: $0 averoz-cli" >&2; exit 2; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp "$1" "$WORK/averoz-cli"
CLI="$WORK/averoz-cli"
cd "$WORK" || exit 1
FAILS=0

fail() { echo "FAIL: $*" >&2; FAILS=$((FAILS + 1)); }

settings() { printf '%s\n' "$@" > "$WORK/averoz.INI"; }

# expect CODE CMD...: runs the command with stdout in out.txt and stderr in err.txt.
expect() {
  want=$1; shift
  "$CLI" "$@" > out.txt 2> err.txt
  got=$?
  [ "$got" -eq "$want" ] || fail "averoz-cli $* gave exit $got, expected $want: $(cat err.txt)"
}

err_has() { grep -qF -- "$1" err.txt || fail "stderr lacks \"$1\": $(cat err.txt)"; }

# The summary line and the exit status.
finish() {
  if [ "$FAILS" -ne 0 ]; then
    echo "$FAILS check(s) failed" >&2
    exit 1
  fi
  echo "$1: all checks passed"
}
