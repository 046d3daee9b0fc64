#!/usr/bin/env bash
# Runs the program natively on Wayland, in a headless sway, and checks what a
# Wayland desktop asks of the shaped window:
#   - the cut-out corners are transparent (the screenshot shows the background there),
#   - dragging the background moves the window (startSystemMove),
#   - the minimise button does something the compositor accepts,
#   - a second start brings the first window forward (through the activation token
#     the second start passes on, or by asking for attention).
# The screenshot lands in docs/screenshots/wayland.png; the findings are printed.
#
#   scripts/wayland-check.sh [path/to/karvuto]      (default build/bin/karvuto)
#
# sway refuses to run as root: run as root, the script installs sway and grim if
# missing, creates the user karvuto-wayland and runs the check as that user.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
program=$(realpath "${1:-build/bin/karvuto}")
user=karvuto-wayland
app_id=org.karvuto.Karvuto

if [ "$(id -u)" -eq 0 ] && [ "${KARVUTO_WAYLAND_INNER:-}" != 1 ]; then
  missing=()
  for p in sway grim jq imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
  id "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
  work=$(mktemp -d /tmp/karvuto-wayland.XXXXXX)
  chown "$user" "$work"
  status=0
  runuser -u "$user" -- env KARVUTO_WAYLAND_INNER=1 KARVUTO_WAYLAND_WORK="$work" \
    bash "$root/scripts/wayland-check.sh" "$program" || status=$?
  if [ -f "$work/wayland.png" ]; then
    cp "$work/wayland.png" "$root/docs/screenshots/wayland.png"
    echo "screenshot: docs/screenshots/wayland.png"
  fi
  rm -rf "$work"
  exit "$status"
fi

work=${KARVUTO_WAYLAND_WORK:-$(mktemp -d /tmp/karvuto-wayland.XXXXXX)}
export XDG_RUNTIME_DIR="$work/run"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK

cat >"$work/sway.conf" <<EOF
output HEADLESS-1 resolution 1280x800 position 0 0
for_window [app_id="$app_id"] floating enable
for_window [app_id="form_screenshots"] floating enable
default_border none
default_floating_border none
EOF

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -1) || true
  WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls wayland-[0-9] 2>/dev/null | head -1) || true
  [ -n "$SWAYSOCK" ] && [ -n "$WAYLAND_DISPLAY" ] && break
  sleep 0.2
done
export SWAYSOCK WAYLAND_DISPLAY
[ -n "$SWAYSOCK" ] || { echo "sway did not start:"; cat "$work/sway.log"; exit 1; }

# The main form's view: "x y width height focused urgent visible" (the largest
# view of the program, so not the splash).
view() {
  swaymsg -t get_tree -r | jq -r --arg id "$app_id" '
    [recurse(.nodes[]?, .floating_nodes[]?) | select(.app_id == $id)]
    | max_by(.rect.width * .rect.height) // empty
    | "\(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height) \(.focused) \(.urgent) \(.visible)"'
}
pixel() { convert "$1" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$2+$3" info:; }
cursor() { swaymsg -q "seat - cursor $*"; }

export QT_QPA_PLATFORM=wayland LANG=C.UTF-8
WAYLAND_DEBUG=${KARVUTO_WAYLAND_DEBUG:-} "$program" >"$work/karvuto.log" 2>&1 &
first=$!
pids+=("$first")
for _ in $(seq 60); do
  read -r x y w h _ < <(view) || true
  [ "${w:-0}" -ge 800 ] && break
  sleep 0.25
done
[ "${w:-0}" -ge 800 ] || { echo "no main window appeared:"; cat "$work/karvuto.log"; exit 1; }
sleep 4  # past the splash, the form painted
read -r x y w h focused urgent visible < <(view)
echo "window: ${w}x${h} at ($x, $y), focused=$focused"

# 1. The cut-out corners show what lies behind the window.
grim "$work/wayland.png"
background=$(pixel "$work/wayland.png" 2 2)
result=0
for corner in "$x $y" "$((x + w - 1)) $y" "$x $((y + h - 1))" "$((x + w - 1)) $((y + h - 1))"; do
  # shellcheck disable=SC2086
  seen=$(pixel "$work/wayland.png" $corner)
  if [ "$seen" = "$background" ]; then
    echo "corner ($corner): background ($seen), transparent"
  else
    echo "corner ($corner): $seen, not the background $background"
    result=1
  fi
done
inside=$(pixel "$work/wayland.png" $((x + 400)) $((y + 100)))
echo "inside the window: $inside"

# 2. A drag on the bare background of the face (the title band, left of the title)
#    moves the window. The seat's cursor commands reach clients only when the seat
#    has a pointer; a headless sway without input devices has none.
capabilities=$(swaymsg -t get_seats -r | jq '.[0].capabilities')
[ "$capabilities" -ne 0 ] || echo "the seat has no pointer (capabilities $capabilities): the drag and the minimise click cannot reach the window here"
cursor set $((x + 200)) $((y + 25))
cursor press button1
sleep 0.3
for _ in 1 2 3 4 5; do cursor move 20 10; sleep 0.1; done
cursor release button1
sleep 0.5
read -r x2 y2 _ < <(view)
if [ "$x2" -eq $((x + 100)) ] && [ "$y2" -eq $((y + 50)) ]; then
  echo "drag: moved by (100, 50) to ($x2, $y2)"
else
  echo "drag: window at ($x2, $y2) after a drag of (100, 50) from ($x, $y)"
  [ "$capabilities" -eq 0 ] || result=1
fi
x=$x2
y=$y2

# 3. The minimise button (the title bar's second button).
cursor set $((x + 774)) $((y + 11))
cursor press button1
sleep 0.1
cursor release button1
sleep 0.5
read -r _ _ _ _ focused urgent visible < <(view)
echo "minimise: the view afterwards: visible=$visible focused=$focused (sway has no minimised state)"

# 4. Another window takes the focus; then a second start, as a launcher would make
#    it (swaymsg exec, which may give it an activation token).
other="$(dirname "$program")/form_screenshots"
if [ -x "$other" ]; then
  QT_QPA_PLATFORM=wayland "$other" "" 30 >/dev/null 2>&1 &
  pids+=($!)
  sleep 3
fi
read -r _ _ _ _ focused urgent _ < <(view) || true
echo "before the second start: focused=$focused urgent=$urgent"
cat >"$work/second.sh" <<EOF
echo "token: \${XDG_ACTIVATION_TOKEN:-none}" >"$work/second.log"
QT_QPA_PLATFORM=wayland "$program" >>"$work/second.log" 2>&1
echo \$? >"$work/second.status"
EOF
swaymsg -q "exec sh $work/second.sh"
for _ in $(seq 40); do
  [ -f "$work/second.status" ] && break
  sleep 0.25
done
sleep 1
read -r _ _ _ _ focused urgent _ < <(view) || true
echo "second start: exit status $(cat "$work/second.status" 2>/dev/null || echo none); first window focused=$focused urgent=$urgent"
if [ "$focused" = true ]; then
  echo "sway activated the first window"
elif [ "$urgent" = true ]; then
  echo "sway marked the first window urgent (it asked for attention) but kept the focus elsewhere"
else
  echo "sway neither focused nor marked the first window"
fi
echo "second start's $(head -1 "$work/second.log")"
if kill -0 "$first" 2>/dev/null; then
  echo "the first instance still runs"
else
  echo "the first instance ended:"
  cat "$work/karvuto.log"
  result=1
fi
exit "$result"
