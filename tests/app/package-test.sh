#!/usr/bin/env bash
# The Debian package on this machine: built by CPack from the build folder,
# installed with apt-get (its dependencies resolved from Debian), the installed
# vexa-cli running the main job of the examples from a folder outside the
# checkout, the installed vexa showing its main window on a virtual display,
# and the package removed leaving nothing in /usr.
#
#   bash tests/app/package-test.sh BUILD_DIR
#
# It installs into /usr, so it runs as root only and skips (exit 77) otherwise;
# it also leaves alone a vexa package that it did not install. The user's side
# (HOME, the program folders, the package files) stays in one temporary folder.
set -euo pipefail

build=$(cd "${1:?usage: package-test.sh BUILD_DIR}" && pwd)
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*" >&2; exit 1; }
step() { printf '\n==> %s\n' "$*"; }

[ "$(id -u)" -eq 0 ] || skip "the test installs a package into /usr: run it as root"
command -v apt-get >/dev/null && command -v cpack >/dev/null || skip "needs apt-get and cpack"
exec 9<"$0"
flock 9   # one run at a time on this machine
if dpkg-query -W -f='${Status}' vexa 2>/dev/null | grep -q ' installed$'; then
  skip "a vexa package is already installed on this machine"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vexa-package.XXXXXX")
installed=no
cleanup() {
  if [ "$installed" = yes ]; then
    apt-get remove -y -q -o DPkg::Lock::Timeout=600 vexa >/dev/null 2>&1 || dpkg -r vexa >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
export DEBIAN_FRONTEND=noninteractive

step "building the package"
(cd "$build" && cpack -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(cd "$work/package" && ls vexa_*.deb)
dpkg-deb -f "$work/package/$deb" Depends

step "installing $deb"
(cd "$work/package" && apt-get install -y -q -o DPkg::Lock::Timeout=600 "./$deb")
installed=yes
dpkg-query -L vexa >"$work/files"
for f in /usr/bin/vexa /usr/bin/vexa-cli /usr/lib/vexa/vexa /usr/lib/vexa/vexa-cli /usr/share/vexa/reference/UF.csv \
  /usr/share/applications/vexa.desktop /usr/share/icons/hicolor/scalable/apps/vexa.svg \
  /usr/share/man/man1/vexa-cli.1.gz /usr/share/doc/vexa/examples/run-main-job.sh; do
  [ -e "$f" ] || fail "not installed: $f"
done
if file -L /usr/lib/vexa/vexa /usr/lib/vexa/vexa-cli | grep -q 'not stripped'; then fail "the programs are not stripped"; fi
if command -v desktop-file-validate >/dev/null; then desktop-file-validate /usr/share/applications/vexa.desktop; fi

# The user: a home of its own, no program folder named.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$work/outside" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset XDG_DATA_HOME VEXA_HOME VEXA_DATA_DIR
cd "$work/outside"
user_folder="$HOME/.local/share/vexa"

step "help and version lay nothing out"
vexa-cli --help | grep -q '^uso: vexa-cli'
vexa-cli taxpayer delete --help | grep -q 'taxpayer delete'
vexa-cli --version | grep -q '10.0'
[ ! -e "$user_folder" ] || fail "help laid out $user_folder"

step "the main job with the installed vexa-cli"
bash /usr/share/doc/vexa/examples/run-main-job.sh --bin /usr/bin --home "$work/job" --out "$work/job/saida"
[ -s "$work/job/saida/VEXA032024.qx" ] || fail "no submission file from the main job"
[ ! -e "$user_folder" ] || fail "a job on --home laid out $user_folder"

step "the first start lays out the user's program folder"
vexa-cli taxpayer list
[ -f "$user_folder/DB/vexa.db" ] || fail "no database in $user_folder"
XDG_DATA_HOME="$work/xdg" vexa-cli declaration list
[ -f "$work/xdg/vexa/DB/vexa.db" ] || fail "XDG_DATA_HOME not followed"

step "vexa shows its main window on a virtual display"
shots=${VEXA_SCREENSHOT_DIR:-$work}
cat >"$work/desktop.sh" <<'EOF'
set -eu
# The program's own means: --quit-when-shown ends with 0 once the main window is on screen.
timeout 60 vexa --quit-when-shown
[ -f "$XDG_DATA_HOME/vexa/DB/vexa.db" ] || { echo "the desktop start laid out no folder" >&2; exit 1; }
# Then a start that stays, its window found by its caption and photographed where a tool for it exists.
command -v xwininfo >/dev/null || exit 0
vexa & pid=$!
found=no
for _ in $(seq 150); do
  if xwininfo -root -tree | grep -q 'VEXA - Eletr'; then found=yes; break; fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
if [ "$found" = yes ]; then
  sleep 3   # the splash goes after two seconds
  # The virtual display keeps its screen as an XWD picture in $FRAMES.
  if command -v import >/dev/null; then import -window root "$SHOTS/vexa-instalado.png"
  else cp "$FRAMES/Xvfb_screen0" "$SHOTS/vexa-instalado.xwd"
  fi
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ "$found" = yes ] || { echo "no window \"VEXA - Eletrônica versão 10.0\" on the display" >&2; exit 1; }
EOF
# A virtual display of its own: Xvfb takes the first free display number and
# tells it on a file descriptor; it keeps its screen as an XWD picture in frames/.
mkdir -p "$work/frames"
Xvfb -displayfd 8 -screen 0 1280x800x24 -fbdir "$work/frames" -nolisten tcp 8>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; fail "the virtual display did not start"; }
status=0
env -u QT_QPA_PLATFORM DISPLAY=":$(cat "$work/display")" XDG_DATA_HOME="$work/desktop" SHOTS="$shots" \
  FRAMES="$work/frames" bash "$work/desktop.sh" || status=$?
kill "$xvfb" 2>/dev/null || true
wait "$xvfb" 2>/dev/null || true
[ "$status" -eq 0 ] || fail "the desktop program"

step "removing the package"
apt-get remove -y -q -o DPkg::Lock::Timeout=600 vexa
installed=no
while IFS= read -r f; do
  if [ -L "$f" ] || { [ -e "$f" ] && [ ! -d "$f" ]; }; then fail "left after removal: $f"; fi
done <"$work/files"
for d in /usr/lib/vexa /usr/share/vexa /usr/share/doc/vexa; do
  [ ! -e "$d" ] || fail "left after removal: $d"
done
echo "package test passed"
