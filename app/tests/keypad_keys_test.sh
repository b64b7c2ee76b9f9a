#!/usr/bin/env bash
# The keypad keys of a chart window, pressed on a real X keyboard (Xvfb driven by xdotool):
# Numpad +/- and Ctrl+Numpad +/- step the birth time, Ctrl+Numpad * zooms and Ctrl+Numpad 0
# resets. Offscreen tests trigger the actions; only real key events show whether the keys match.
# Usage: keypad_keys_test.sh PROGRAM_FOLDER
set -u
built=$1
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'kill $app $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
# A program folder of the test's own: the program writes its settings beside itself.
mkdir -p "$work/pf" "$work/home" "$work/run"
cp -r "$built/options" "$built/zodikeon" "$built/zodikeon-cli" "$work/pf/"
ln -s "$(readlink -f "$built/data")" "$work/pf/data"
mkdir -p "$work/pf/horo"
export HOME=$work/home XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb
chmod 700 "$XDG_RUNTIME_DIR"
cli=$work/pf/zodikeon-cli
chart=$work/pf/horo/Key.hor
"$cli" save --out "$work/pf/horo" --name Key --date 1980-07-01 --time 12:00 --zone +2:00 \
  --lon 19.0402 --lat 47.4979 >/dev/null || { echo "FAIL: cannot save the chart"; exit 1; }

Xvfb -displayfd 3 -screen 0 1280x800x24 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
wm=""
if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & wm=$!; fi
"$work/pf/zodikeon" "$chart" >"$work/app.log" 2>&1 &
app=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name "Key, " 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "FAIL: the chart window did not appear"; cat "$work/app.log"; exit 1; }
frame=$(xdotool search --name "Zodikeon Free" | head -1)
xdotool windowactivate --sync "$frame" 2>/dev/null || xdotool windowfocus --sync "$frame"

# Waits until the command "$@" succeeds, for at most 20 seconds (a busy machine may be slow;
# a working program answers a key in well under a second).
within() {
  local deadline=$((SECONDS + 20))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}
# The checksum of what the program's window shows (nothing else on the screen counts).
shot() { import -window "$frame" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1; }
# The picture settles: two checksums in a row agree, and (with an argument) it is that one.
settled() {
  local a b
  a=$(shot); sleep 0.2; b=$(shot)
  [ "$a" = "$b" ] && { [ -z "${1:-}" ] || [ "$b" = "$1" ]; } && current=$b
}
differs() { settled && [ "$current" != "$1" ]; }

status=0
within settled || { echo "FAIL: the window never stopped changing"; exit 1; }
before=$current
xdotool key ctrl+KP_Multiply
within differs "$before" || { echo "FAIL: Ctrl+Numpad * did not zoom"; status=1; }
xdotool key ctrl+KP_0
within settled "$before" || { echo "FAIL: Ctrl+Numpad 0 did not reset the view"; status=1; }

# +1, +10, -1 minutes, then Save (F2): the file holds 12:10. The keys are handled in the order
# they are pressed, so only the saved file is waited for.
minute() {
  "$cli" chart --file "$chart" --json 2>/dev/null |
    python3 -c 'import json,sys; print(json.load(sys.stdin)["moment"]["localTime"]["minute"])' 2>/dev/null
}
xdotool key KP_Add ctrl+KP_Add KP_Subtract F2
saved() { [ "$(minute)" = 10 ]; }
within saved || { echo "FAIL: the keypad steps gave minute $(minute), not 10"; status=1; }
[ $status = 0 ] && echo "keypad keys work on a real keyboard"
exit $status
