#!/usr/bin/env bash
# The installed program as users get it. Usage: packaging_test.sh validate|install|deb SOURCE BUILD
#   validate  the desktop entry and the AppStream data pass their validators
#   install   cmake --install into a temporary prefix; the programs run from there with fresh
#             homes, each user's folder seeded apart; the file type knows a saved chart
#   deb       cpack -G DEB, apt-get install of the file, a run, apt-get purge (root only)
set -euo pipefail
mode=$1 source=$2 build=$3
skip=77
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
chart=(--date 1980-07-01 --time 12:00 --town "Budapest, Hungary")

# Waits up to 20 s for a file matching $1 (a glob).
wait_for() {
  for _ in $(seq 200); do
    compgen -G "$1" >/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# Starts the installed program in the background for the home $1: offscreen, with a runtime
# folder of its own for that home.
start_program() {
  local home=$1; shift
  mkdir -p "$home/run" && chmod 700 "$home/run"
  HOME=$home XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=offscreen "$@" >"$home/program.log" 2>&1 &
  pids+=($!)
}

case "$mode" in
validate)
  desktop-file-validate "$source/packaging/zodikeon.desktop"
  appstreamcli validate --no-net "$build/packaging/hu.zodikeon.Zodikeon.metainfo.xml"
  ;;

install)
  prefix=$work/prefix
  DESTDIR= cmake --install "$build" --prefix "$prefix" >/dev/null
  for f in bin/zodikeon bin/zodikeon-cli share/zodikeon/options/ZODIKEON.ZDO share/zodikeon/data/ZDKTOWNS.TWD \
           share/zodikeon/data/zdkdigns.csv share/applications/zodikeon.desktop share/mime/packages/zodikeon.xml \
           share/metainfo/hu.zodikeon.Zodikeon.metainfo.xml share/icons/hicolor/scalable/apps/zodikeon.svg \
           share/icons/hicolor/48x48/apps/zodikeon.png share/man/man1/zodikeon.1.gz share/man/man1/zodikeon-cli.1.gz \
           share/zodikeon/screenshots/wheel.png share/zodikeon/doc/ZODIKEON.PDF share/zodikeon/doc/ZODIKEON_HU.PDF; do
    [ -s "$prefix/$f" ] || fail "not installed: $f"
  done
  chmod -R a-w "$prefix"  # nothing may be written there at run time

  # The first user: the command-line tool seeds the folder, computes with the atlas, saves a chart.
  home1=$work/home1 home2=$work/home2
  mkdir -p "$home1" "$home2"
  own1=$home1/.local/share/zodikeon
  out=$(HOME=$home1 "$prefix/bin/zodikeon-cli" chart --json "${chart[@]}" 2>&1) || fail "chart with the atlas"
  grep -q '"Budapest, Hungary"' <<<"$out" || fail "the chart does not name its town: $out"
  grep -q 'warning' <<<"$out" && fail "ephemeris warning: $out"
  [ -f "$own1/options/ZODIKEON.ZDO" ] && [ ! -L "$own1/options/ZODIKEON.ZDO" ] || fail "options not seeded"
  [ -L "$own1/data/ZDKTOWNS.TWD" ] && [ -d "$own1/horo" ] || fail "data not seeded"
  [ -s "$own1/doc/ZODIKEON.PDF" ] && [ -s "$own1/doc/ZODIKEON_HU.PDF" ] || fail "the manual is not reached from the user's folder"
  [ "$(stat -c %a "$own1")" = 700 ] || fail "the user's folder is readable by others"
  HOME=$home1 "$prefix/bin/zodikeon-cli" save --out "$own1/horo" --name Anna "${chart[@]}" >/dev/null
  [ -s "$own1/horo/Anna.hor" ] || fail "chart not saved in the user's folder"
  printf 'not a chart' >"$own1/horo/Broken.hor"

  # The program starts with the chart; a second start hands its files over and ends at once.
  start_program "$home1" "$prefix/bin/zodikeon" "$own1/horo/Anna.hor"
  wait_for "$home1/run/zodikeon-*" || fail "the program did not start: $(cat "$home1/program.log")"
  kill -0 "${pids[0]}" || fail "the program ended: $(cat "$home1/program.log")"
  HOME=$home1 XDG_RUNTIME_DIR=$home1/run QT_QPA_PLATFORM=offscreen timeout 20 \
    "$prefix/bin/zodikeon" "$own1/horo/Anna.hor" || fail "the second start did not hand over its file"

  # A second user starts a program of their own, with a folder of their own.
  start_program "$home2" "$prefix/bin/zodikeon"
  wait_for "$home2/run/zodikeon-*" || fail "the second user's program did not start: $(cat "$home2/program.log")"
  own2=$home2/.local/share/zodikeon
  wait_for "$own2/options/ZODIKEON.ZDO" || fail "the second user's folder was not seeded"
  kill -0 "${pids[1]}" || fail "the second user's program ended: $(cat "$home2/program.log")"
  [ -e "$own2/horo/Anna.hor" ] && fail "the users share their charts"
  [ "$(find "$prefix" -newer "$own1/horo/Anna.hor" | wc -l)" = 0 ] || fail "files written under the prefix"

  # The file type: by extension, and by the header for a chart with another name.
  mime=$work/mime
  mkdir -p "$mime/mime/packages"
  cp /usr/share/mime/packages/freedesktop.org.xml "$prefix/share/mime/packages/zodikeon.xml" "$mime/mime/packages/"
  XDG_DATA_HOME=$mime XDG_DATA_DIRS=$mime update-mime-database "$mime/mime"
  cp "$own1/horo/Anna.hor" "$work/anna-chart"
  for f in "$own1/horo/Anna.hor" "$work/anna-chart"; do
    type=$(XDG_DATA_HOME=$mime XDG_DATA_DIRS=$mime gio info -a standard::content-type "$f" | sed -n 's/.*standard::content-type: //p')
    [ "$type" = application/x-zodikeon-horoscope ] || fail "$f is of type '$type'"
  done
  type=$(XDG_DATA_HOME=$mime XDG_DATA_DIRS=$mime gio info -a standard::content-type "$prefix/share/zodikeon/data/zdkdigns.csv" | sed -n 's/.*standard::content-type: //p')
  [ "$type" != application/x-zodikeon-horoscope ] || fail "any file is taken for a horoscope"
  ;;

deb)
  if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing the Debian package needs root (apt-get install, apt-get purge)"
    exit $skip
  fi
  if dpkg-query -W -f='${Status}' zodikeon 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: a zodikeon package is installed on this machine already; the test leaves it alone"
    exit $skip
  fi
  (cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null) || fail "cpack"
  deb=$(ls "$work"/deb/zodikeon_*.deb)
  depends=$(dpkg-deb -f "$deb" Depends)
  for d in libqt6widgets6 libswe swe-standard-data; do
    grep -q "$d" <<<"$depends" || fail "dependency $d missing: $depends"
  done
  # The machine is left as it was, whatever happens from here on: a failed or half-done install,
  # a failing check, or the test stopped (a timeout's TERM, Ctrl+C).
  trap 'DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq -o DPkg::Lock::Timeout=120 zodikeon >/dev/null 2>&1 || true; cleanup' EXIT
  trap 'exit 1' INT TERM HUP
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=120 "$deb" >/dev/null || fail "apt-get install"
  home=$work/home
  mkdir -p "$home"
  HOME=$home zodikeon-cli chart "${chart[@]}" | grep -q 'Budapest' || fail "the installed zodikeon-cli"
  start_program "$home" zodikeon
  wait_for "$home/run/zodikeon-*" || fail "the installed program did not start: $(cat "$home/program.log")"
  grep -q 'application/x-zodikeon-horoscope' /usr/share/mime/types || fail "the file type is not registered"
  [ -f /usr/share/man/man1/zodikeon.1.gz ] || fail "no manual page"
  kill "${pids[@]}"; wait || true; pids=()
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq -o DPkg::Lock::Timeout=120 zodikeon >/dev/null || fail "apt-get purge"
  for f in /usr/bin/zodikeon /usr/bin/zodikeon-cli /usr/share/zodikeon /usr/share/applications/zodikeon.desktop; do
    [ -e "$f" ] && fail "left after purge: $f"
  done
  grep -q 'application/x-zodikeon-horoscope' /usr/share/mime/types && fail "the file type stays registered"
  [ -f "$home/.local/share/zodikeon/options/ZODIKEON.ZDO" ] || fail "the user's folder was not kept"
  ;;
*)
  echo "usage: packaging_test.sh validate|install|deb SOURCE BUILD" >&2
  exit 2
  ;;
esac
echo "OK: $mode"
