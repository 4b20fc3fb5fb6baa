#!/usr/bin/env bash
# Runs the installed program on an X server of its own and drives it as a student would, with
# the mouse and the keyboard: splash, a measurement, copy and save of the schematic, "Выход".
# Other programs check the results: xclip reads the clipboard, ImageMagick the pictures.
# Every wait is bounded; the program and the X server go on every way out.
# Usage: session_test.sh PREFIX SOURCE_DIR ARTIFACTS_DIR
set -euo pipefail
prefix=$(realpath "$1") source_dir=$2 artifacts=$3
# xdotool types the Cyrillic file name only in a UTF-8 locale; CI machines may have none set.
export LC_ALL=C.UTF-8

title="Исследование обнаружителя сигналов"
saved_name="схема.bmp"

work=$(mktemp -d)
xvfb_pid="" app_pid="" step=0

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cleanup() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -n "$xvfb_pid" ]; then
        shot failure || true
    fi
    local pid
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    [ -f "$work/app.err" ] && cp "$work/app.err" "$artifacts/program-stderr.txt"
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# wait_until SECONDS WHAT COMMAND...: polls COMMAND every tenth of a second until it succeeds.
wait_until() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "no $what within $seconds s"
        sleep 0.1
    done
}

# shot NAME: a screenshot of the whole screen, numbered in the order of the steps.
shot() {
    step=$((step + 1))
    timeout 20 import -window root "$artifacts/$(printf %02d "$step")-$1.png"
}

xdo() { timeout 10 xdotool "$@"; }
clip() { timeout 10 xclip -selection clipboard "$@"; }

# geometry ID: sets X, Y, WIDTH and HEIGHT of a window; fails once the window is gone.
geometry() {
    local shell
    shell=$(xdo getwindowgeometry --shell "$1" 2>/dev/null) || return 1
    eval "$shell"
}

# The program's visible windows, one a line: id, left, top, width, height.
windows() {
    local id
    for id in $(xdo search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        geometry "$id" && echo "$id $X $Y $WIDTH $HEIGHT"
    done
}
window_count() { windows | wc -l; }
more_windows_than() { test "$(window_count)" -gt "$1"; }

# The splash is the program's frameless 400 x 300 window; the main window has the title.
splash_shown() { windows | grep -q ' 400 300$'; }
splash_gone() { ! splash_shown; }
main_window_found() {
    local id
    for id in $(xdo search --onlyvisible --name "^$title\$" 2>/dev/null); do
        geometry "$id" || continue
        if [ "$WIDTH $HEIGHT" != "400 300" ]; then
            main_id=$id main_x=$X main_y=$Y main_width=$WIDTH main_height=$HEIGHT
            return 0
        fi
    done
    return 1
}

# click X Y: a left click at a point of the main window's client area.
click() { xdo mousemove $((main_x + $1)) $((main_y + $2)) click 1; }

# open_menu X: clicks the menu bar entry at X and waits for its drop-down list.
open_menu() {
    local before
    before=$(window_count)
    click "$1" $((menu_height / 2))
    wait_until 10 "drop-down menu" more_windows_than "$before"
}
FILE_MENU=20  # "Файл"
SETUP_MENU=125  # "Лабораторная установка"

# display NAME LEFT: a copy of the 100 x 26 display at LEFT in the bottom band.
display() {
    convert "$work/screen.png" -crop "100x26+$((main_x + $2))+$((main_y + display_top))" +repage \
        "$work/$1.png"
}
read_displays() {
    timeout 20 import -window root "$work/screen.png"
    display trials 243  # the number-of-trials display, 2 + 215 + 26 from the left
    display counter 458  # the counter, 2 + 215 + 223 + 18 from the left
}
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
displays_changed() {
    read_displays
    ! same_picture "$work/trials.png" "$work/trials-before.png"
}

# image_is FILE FORMAT: the file is a picture of that format (BMP3 counts as BMP), 680 x 242.
describe() { identify -format '%m %wx%h' "$1" 2>&1 || true; }
image_is() {
    case "$(describe "$1")" in
    "$2 680x242" | "${2}3 680x242") return 0 ;;
    *) return 1 ;;
    esac
}

# differing_pixels A B: how many pixels of two pictures of one size differ by more than noise.
differing_pixels() { compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 || true; }

clipboard_has_image() { clip -t TARGETS -o 2>/dev/null | grep -qx image/png; }
# The save dialog is the one tall window besides the main window: menus are lower.
dialog_shown() { windows | awk -v main="$main_id" '$1 != main && $5 > 200 { found = 1 } END { exit !found }'; }
only_main_window() { test "$(window_count)" -eq 1; }
program_ended() { test -f "$work/app.status"; }

for tool in Xvfb xdotool xclip import identify compare; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done
rm -rf "$artifacts"
mkdir -p "$artifacts" "$work/home" "$work/runtime" "$work/saved"
chmod 700 "$work/runtime"

# An X server of our own on the first free display, 1024 x 768 so that the window is not maximised.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_until 10 "display number from Xvfb" test -s "$work/display"
DISPLAY=":$(cat "$work/display")"
export DISPLAY
echo "X server on $DISPLAY"

# The program sees nothing of the developer's desktop and settings. It starts in the folder
# where the save dialog is to open.
# Its exit status is collected in the background so that waiting for its end stays bounded.
(
    cd "$work/saved"
    env -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u SESSION_MANAGER \
        -u DBUS_SESSION_BUS_ADDRESS -u XDG_CURRENT_DESKTOP -u WAYLAND_DISPLAY \
        QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 \
        "$prefix/bin/detector-lab" </dev/null >"$work/app.out" 2>"$work/app.err" &
    echo $! >"$work/app.pid"
    status=0
    wait $! || status=$?
    echo "$status" >"$work/app.status"
) >/dev/null 2>&1 &
wait_until 5 "start of the program" test -s "$work/app.pid"
app_pid=$(cat "$work/app.pid")

wait_until 20 "main window titled '$title'" main_window_found
# The window's client area is 784 wide and the menu bar plus 544 high; the bands below follow.
menu_height=$((main_height - 544))
display_top=$((menu_height + 100 + 344 + 2 + 39))
echo "main window at $main_x,$main_y, ${main_width}x$main_height, menu bar $menu_height high"
[ "$main_width" -eq 784 ] || fail "main window is $main_width wide, not 784"

if splash_shown; then
    shot splash
    read -r _ splash_x splash_y _ < <(windows | grep ' 400 300$')
    xdo mousemove $((splash_x + 200)) $((splash_y + 150)) click 1
    wait_until 5 "closing of the splash after a click" splash_gone
else
    echo "the splash had already closed itself before the click"
fi
shot main-window

# Setup "Вероятность правильного обнаружения", the third item, chosen in the main menu.
read_displays
cp "$work/trials.png" "$work/trials-before.png"
cp "$work/counter.png" "$work/counter-before.png"
same_picture "$work/trials.png" "$work/counter.png" || fail "the displays do not start equal"
open_menu "$SETUP_MENU"
xdo key Down Down Down
shot setup-menu
xdo key Return
wait_until 5 "closing of the setup menu" only_main_window

# "Выполнить измерение": the button below the setup list.
click $((2 + 8 + 124)) $((menu_height + 2 + 56 + 12))
wait_until 30 "change of the displays after the measurement" displays_changed
shot measured
# With the signal on, every trial crosses the threshold: both displays read 1000, so they
# look alike again, and unlike their "0".
same_picture "$work/trials.png" "$work/counter.png" ||
    fail "the number of trials and the counter differ after a detection measurement"
same_picture "$work/counter.png" "$work/counter-before.png" && fail "the counter still shows 0"

# "Копировать схему лабораторной установки" replaces what another program put on the clipboard.
printf 'old text' | clip -i >/dev/null 2>&1
open_menu "$FILE_MENU"
xdo key Down Return
wait_until 10 "picture on the clipboard" clipboard_has_image
clip -t TARGETS -o >"$artifacts/clipboard-targets.txt"
grep -qx image/bmp "$artifacts/clipboard-targets.txt" || fail "the clipboard offers no image/bmp"
grep -qx UTF8_STRING "$artifacts/clipboard-targets.txt" && fail "the old text is still offered"
clip -t image/png -o >"$artifacts/clipboard.png"
clip -t image/bmp -o >"$work/clipboard.bmp"
image_is "$artifacts/clipboard.png" PNG || fail "clipboard image/png: $(describe "$artifacts/clipboard.png")"
image_is "$work/clipboard.bmp" BMP || fail "clipboard image/bmp: $(describe "$work/clipboard.bmp")"
same_picture "$artifacts/clipboard.png" "$work/clipboard.bmp" ||
    fail "the clipboard's PNG and BMP differ"
# The copied schematic is the one of the chosen setup: closest to its picture Image2.
declare -A differing
for picture in Image1 Image2 Image3; do
    differing[$picture]=$(differing_pixels "$artifacts/clipboard.png" \
        "$source_dir/ui/resources/$picture.jpg")
done
echo "clipboard against Image1 Image2 Image3: ${differing[Image1]} ${differing[Image2]} ${differing[Image3]}"
if [ "${differing[Image2]}" -ge "${differing[Image1]}" ] ||
    [ "${differing[Image2]}" -ge "${differing[Image3]}" ]; then
    fail "the clipboard does not hold the schematic of the detection setup"
fi

# "Сохранить схему лабораторной установки" through the real dialog, with a name typed in it.
open_menu "$FILE_MENU"
xdo key Down Down Return
wait_until 10 "save dialog" dialog_shown
sleep 0.5 # the dialog lists the folder before it takes keys
shot save-dialog
xdo key ctrl+a
xdo type --delay 20 "$saved_name"
shot save-dialog-typed
xdo key Return
saved="$work/saved/$saved_name"
wait_until 10 "file $saved_name" test -f "$saved"
wait_until 10 "closing of the save dialog" only_main_window
cp "$saved" "$artifacts/$saved_name"
image_is "$saved" BMP || fail "saved file: $(describe "$saved")"
# 24 bits a pixel (offset 28) and no compression (offset 30) in the bitmap header.
[ "$(od -An -t u2 -j 28 -N 2 "$saved" | tr -d ' ')" = 24 ] || fail "saved file is not 24-bit"
[ "$(od -An -t u4 -j 30 -N 4 "$saved" | tr -d ' ')" = 0 ] || fail "saved file is compressed"
same_picture "$saved" "$artifacts/clipboard.png" || fail "saved and copied pictures differ"
[ "$(ls "$work/saved")" = "$saved_name" ] || fail "the save left other files: $(ls "$work/saved")"

# "Выход", the last item of "Файл".
open_menu "$FILE_MENU"
xdo key Down Down Down
shot exit-menu
xdo key Return
wait_until 10 "end of the program after Выход" program_ended
app_pid=""
status=$(cat "$work/app.status")
[ "$status" = 0 ] || fail "the program ended with status $status"
shot after-exit
echo "session passed; screenshots in $artifacts"
