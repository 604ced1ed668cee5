#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop sees there: the files,
# a valid .desktop entry, our MIME types for the data files (by extension, and by the header
# for a file without one), Averoz as their application, and the settings file of an
# installed program whose folder is read-only.
# Usage: install_test.sh BUILD_DIR
set -eu
build=$1
for tool in desktop-file-validate update-mime-database update-desktop-database xdg-mime mimetype; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
prefix=$tmp/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; exit 1; }
for f in bin/averoz bin/averoz-cli share/averoz/English.INI share/averoz/help/index.html \
         share/applications/averoz.desktop share/icons/hicolor/scalable/apps/averoz.svg \
         share/mime/packages/averoz.xml; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
desktop-file-validate "$prefix/share/applications/averoz.desktop" || fail "desktop-file-validate"

# A desktop that knows nothing but the system's types and this prefix.
export XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS=/usr/share
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
# The install refreshed the MIME and desktop caches of the prefix itself.
[ -f "$prefix/share/mime/mime.cache" ] || fail "the MIME cache of the prefix was not made"
[ -f "$prefix/share/applications/mimeinfo.cache" ] || fail "the desktop cache was not made"

data=$tmp/data
mkdir "$data"
cli=$prefix/bin/averoz-cli
"$cli" gen "$data/wave.awf" sine len=16384 cycles=2 2>/dev/null
"$cli" ppg "$data/pattern.ppg" high rows=1 start=0 len=100 2>/dev/null
cp "$data/wave.awf" "$data/wave.ope"
cp "$data/wave.awf" "$data/wave.awd"
cp "$data/wave.awf" "$data/noextwave"
cp "$data/pattern.ppg" "$data/noextpattern"
printf '1\n2\n3\n' >"$data/text.awf"
expect_type() {
  got=$(xdg-mime query filetype "$data/$1" 2>&1) || true
  [ "$got" = "$2" ] || fail "$1 is '$got', expected '$2'"
}
expect_type wave.awf application/x-averoz-modulation
expect_type wave.ope application/x-averoz-operation
expect_type wave.awd application/x-averoz-waveform-data
expect_type pattern.ppg application/x-averoz-pattern
expect_type noextwave application/x-averoz-modulation
expect_type noextpattern application/x-averoz-pattern
expect_type text.awf application/x-averoz-modulation  # the extension wins over the content
for type in modulation operation waveform-data pattern; do
  got=$(xdg-mime query default "application/x-averoz-$type")
  [ "$got" = averoz.desktop ] || fail "application/x-averoz-$type opens with '$got'"
done

# An installed program cannot write beside itself: its settings go to the user's folder,
# made on first use. Root writes anywhere, so that run drops to "nobody".
chmod 555 "$prefix/bin"
mkdir -m 777 "$tmp/config"
as_user=""
[ "$(id -u)" -eq 0 ] && as_user="setpriv --reuid=65534 --regid=65534 --clear-groups"
XDG_CONFIG_HOME=$tmp/config $as_user "$cli" info "$data/wave.awf" >/dev/null 2>&1 || fail "averoz-cli info"
[ -f "$tmp/config/averoz/averoz.INI" ] || fail "no settings file in XDG_CONFIG_HOME/averoz"
[ ! -e "$prefix/bin/averoz.INI" ] || fail "a settings file was written beside the program"

[ "$failures" -eq 0 ] && echo "install: all checks passed"
exit "$failures"
