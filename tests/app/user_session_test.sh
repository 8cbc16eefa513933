#!/usr/bin/env bash
# The real program on a virtual X display, by mouse and keyboard, checked on the screen, in the
# settings and in the saved file's bytes: a user's whole first session, then an 8-bit display.
# Exits with 77, which CTest reports as skipped, when a tool it needs is missing.
set -euo pipefail
for tool in Xvfb xdotool xmessage import convert; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
zef=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd) failure=$PWD/user_session_failure.png
work=$(mktemp -d)
app="" xvfb="" step="start-up" screen_w=0 screen_h=0 wx=0 wy=0
trap '[ -z "$app" ] || kill "$app" 2>/dev/null; [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

fail() { # with the screen as last seen, in the folder the test started in
    echo "step $step: $*"
    [ -s "$work/screen.rgb" ] && convert -size "${screen_w}x$screen_h" -depth 8 \
        "rgb:$work/screen.rgb" "$failure" && echo "the screen as last seen: $failure"
    echo "--- the program's output:" && cat "$work/zef.log" "$work/xvfb.log" 2>/dev/null
    exit 1
}

# A display of its own, picked by Xvfb itself, so that runs side by side do not collide.
start_display() {
    [ -z "$xvfb" ] || { kill "$xvfb"; wait "$xvfb" 2>/dev/null || true; }
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "1024x768x$1" -nolisten tcp -noreset 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    poll 300 test -s "$work/display" || fail "the virtual display did not start"
    export DISPLAY=:$(head -n 1 "$work/display")
    read -r screen_w screen_h < <(xdotool getdisplaygeometry)
}

# --- The screen. Positions are in pixels from the main window's top-left corner.
look() { import -display "$DISPLAY" -window root -depth 8 "rgb:$work/screen.rgb"; }
pixel() { # the colour at X Y of the last look, as "red,green,blue"
    printf '%s,%s,%s' $(od -An -tu1 -j $((((wy + $2) * screen_w + wx + $1) * 3)) -N3 "$work/screen.rgb"); }
shows() { [ "$(pixel "$1" "$2")" = "$3" ]; }
crop() { convert -size "${screen_w}x$screen_h" -depth 8 "rgb:$work/screen.rgb" \
    -crop "$1x$2+$((wx + $3))+$((wy + $4))" +repage -depth 8 "$5"; } # W H X Y OUTPUT of the last look
count_colour() { crop "${@:1:4}" txt:- | grep -c "^[0-9]*,[0-9]*: ($5)" || true; }
digest() { crop "$@" rgb:- | md5sum | cut -d' ' -f1; }
poll() { for _ in $(seq "$1"); do "${@:2}" && return 0; sleep 0.1; done; return 1; } # N COMMAND
seen() { look && "$@"; }
until_seen() { poll 150 seen "$@"; } # a redraw or a flash gets time to settle
expect_pixel() { until_seen shows "$1" "$2" "$3" || fail "$4 shows $(pixel "$1" "$2"), not $3"; }
colour_above() { [ "$(count_colour "${@:2}")" -gt "$1" ]; }
colour_absent() { [ "$(count_colour "$@")" = 0 ]; }
digest_is() { [ "$(digest "${@:3}")" "$1" "$2" ]; }

# --- Windows, mouse and keys. With no window manager on the display, the test hands the keyboard
# to the main window itself when a dialog closes.
window_named() { xdotool search --name "$1" 2>/dev/null | head -n 1 || true; }
found() { found=$(window_named "$1") && [ -n "$found" ]; }
await() { poll 300 found "$1" || fail "no window \"$1\" appeared"; } # its id in $found
gone() { [ -z "$(window_named "$1")" ]; }
click() { xdotool mousemove --sync $((wx + $1)) $((wy + $2)) click 1; }
keys() { xdotool windowfocus --sync "$window" key --delay 40 "$@"; }
menu() { click 14 9 && xdotool key --delay 40 "$@"; } # from "File", the first menu
prints() { [ "$("${@:2}")" = "$1" ]; } # TEXT COMMAND...
eventually() { poll 50 prints "$@"; }
ends() { # the program ends by itself, with status 0
    poll 100 eval '! kill -0 "$app" 2>/dev/null' || fail "the program did not end"
    wait "$app" || fail "the program ended with status $?"
    app=""
}

setting() { sed -n "/^\[$1\]$/,/^\[/s/^$2=//p" "$ZEF_SETTINGS" 2>/dev/null; } # GROUP KEY
recent() { local k; for k in 1 2 3 4 5; do printf '%s|' "$(setting Recent "File$k")"; done; }
expect_recent() { eventually "$1" recent || fail "the recent files are \"$(recent)\", not \"$1\""; }

# --- Where things are, in fixed frames: the ten preview screens (101 x 80, two columns 4 pixels
# apart, rows 3 apart), the zoom view (the screen 2 pixels inside, two view pixels a screen pixel)
# on the right. The frames' captions take one line of DejaVu Sans, which the project installs.
swatch=(20 242)            # the current element's colour
file_label=(160 17 60 199) # W H X Y
screen_xy() { echo $((244 + $1 % 2 * 105 + $2)) $((47 + $1 / 2 * 83 + $3)); } # N X Y
read -r s2_title_x s2_title_y < <(screen_xy 2 80 14) # element 4, the list screen's title bar
read -r s2_list_x s2_list_y < <(screen_xy 2 60 34)   # element 21, its list
read -r zoom_title_x zoom_title_y <<<"$((477 + 160)) $((65 + 28))"
screen0=(101 80 $(screen_xy 0 0 0)) # standby: element 23 the provider name, element 1 the clock
cell() { # the S55 palette's cell ROW COLUMN: centre X Y, and its colour in the picture shipped
    local x=$((5 + 131 * $2 / 16)) y=$((5 + 131 * $1 / 16)) # from the palette's top-left, 51 316
    echo $((51 + x)) $((316 + y)) "$(convert "$here/../../assets/palettes/s55.png" -crop "1x1+$x+$y" \
        -depth 8 txt:- | sed -n 's/^0,0: *(\([0-9,]*\)).*/\1/p')"; }
read -r first_x first_y first < <(cell 12 5)
read -r second_x second_y second < <(cell 3 10)
navy="0,0,128" white="255,255,255" title_blue="0,0,192" provider="32,32,192" # the Blue starter's

start_display 24
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime ZEF_SETTINGS=$work/zef.conf
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
mkdir "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$work/schemes"
mkdir -m 700 "$XDG_RUNTIME_DIR"
scheme="$work/schemes/my scheme.col"
"$zef" >"$work/zef.log" 2>&1 &
app=$!

step="1 (first run, English)"
await "^Jazyk / Language / Sprache$"
[ -z "$(window_named "^ZEF - ")" ] || fail "the main window came before a language was chosen"
xdotool windowfocus --sync "$found" key --delay 40 Tab space # from Czech to English
await "^ZEF - Colour Scheme Editor v1.0$"
eval "$(xdotool getwindowgeometry --shell "$found")"
window=$WINDOW wx=$X wy=$Y # the main window, whose corner positions count from
[ "${WIDTH}x$HEIGHT" = "695x550" ] || fail "the main window is ${WIDTH}x$HEIGHT, not 695x550"
eventually English setting Settings Language || fail "the language is not English"
[ "$(grep -c '^File[1-5]=$' "$ZEF_SETTINGS")" = 5 ] || fail "the recent files were not emptied"
expect_pixel "${swatch[@]}" "$navy" "the swatch of element 1"
colour_above 100 "${screen0[@]}" "$provider" || fail "screen 0 shows no provider name"
new_label=$(digest "${file_label[@]}")
step="2 (a click on screen 2 brings it into the zoom view, one there selects element 4)"
click "$s2_list_x" "$s2_list_y"
expect_pixel "$zoom_title_x" "$zoom_title_y" "$title_blue" "the zoom view's title bar"
expect_pixel "${swatch[@]}" "$white" "the swatch of element 21"
click "$zoom_title_x" "$zoom_title_y"
expect_pixel "${swatch[@]}" "$title_blue" "the swatch of element 4"
step="3 (S55 palette colour $first)"
click "$first_x" "$first_y"
title_bar_is() { # on screen 2, in the zoom view and in the swatch
    expect_pixel "$s2_title_x" "$s2_title_y" "$1" "screen 2's title bar"
    expect_pixel "$zoom_title_x" "$zoom_title_y" "$1" "the zoom view's title bar"
    expect_pixel "${swatch[@]}" "$1" "the swatch"
}
title_bar_is "$first"
for undo in "ctrl+z $title_blue" "ctrl+r $first"; do
    step="4 (${undo% *})"
    keys "${undo% *}"
    title_bar_is "${undo#* }"
done
step="5 (element 23 transparent: the list's top, down to entry 23, Space)"
click 100 55 # the list's first row
keys Home $(printf 'Down %.0s' $(seq 22)) space
expect_pixel "${swatch[@]}" "$provider" "the swatch"
until_seen colour_absent "${screen0[@]}" "$provider" || fail "screen 0 still shows the provider name"
step="6 (File > Save As...)"
menu Down Down Down Down Down Down Return
await "^Save As\.\.\.$"
xdotool windowfocus --sync "$found" type --delay 20 "$scheme" && xdotool key Return
poll 300 gone "^Save As\.\.\.$" || fail "the Save As dialog stayed open"
poll 50 test -s "$scheme" && cp "$scheme" "$work/saved.col" || fail "no file was written"
[ "$(grep -c $'\r$' "$scheme")/$(wc -l <"$scheme")" = 63/63 ] || fail "not 63 lines ending in CR LF"
lines=$(sed -n '1p;2p;3p;7p;26p' "$scheme" | tr -d '\r' | paste -sd'|')
[ "$lines" = "ColourScheme|Blue ZEF|Data|${first//,/ } 100|32 32 192 0" ] ||
    fail "the head, element 4 and element 23 read \"$lines\""
"$zef" --starter Blue -o "$work/blue.col"
diff <(sed '7d;26d' "$work/blue.col") <(sed '7d;26d' "$scheme") ||
    fail "lines other than elements 4 and 23 differ from the Blue starter"
expect_recent "|||||" # saving makes no recent file
until_seen digest_is != "$new_label" "${file_label[@]}" || fail "the file label did not change"
saved_label=$(digest "${file_label[@]}")
step="7 (File > New > Blue, no question: everything is saved)"
menu Down Right Return
blue() { shows "$zoom_title_x" "$zoom_title_y" "$title_blue" && colour_above 100 "${screen0[@]}" "$provider"; }
until_seen blue || fail "the Blue starter did not come back"
[ -z "$(window_named "^Actual scheme$")" ] || fail "the save question came"
until_seen digest_is = "$new_label" "${file_label[@]}" || fail "the file label is not the new one's"
step="8 (Ctrl+O, no question: the new scheme is unchanged)"
keys ctrl+o
await "^Open$|^Actual scheme$"
prints Open xdotool getwindowname "$found" || fail "a question came, not the Open dialog"
xdotool windowfocus --sync "$found" type --delay 20 "$scheme" && xdotool key Return
poll 300 gone "^Open$" || fail "the Open dialog stayed open"
saved_shown() { shows "$zoom_title_x" "$zoom_title_y" "$first" && colour_absent "${screen0[@]}" "$provider"; }
until_seen saved_shown || fail "the saved scheme is not shown"
until_seen digest_is = "$saved_label" "${file_label[@]}" || fail "the file label is not the saved file's"
expect_recent "$scheme|||||"
step="8 (a try on element 1, then File > Open Recent > 1, No to the save question)"
click "$second_x" "$second_y"
until_seen colour_above 10 "${screen0[@]}" "$second" || fail "the clock is not in $second"
menu Down Down Down Right Return
await "^Actual scheme$"
xdotool windowfocus --sync "$found" key n
poll 300 gone "^Actual scheme$" || fail "the save question stayed after No"
back() { saved_shown && colour_absent "${screen0[@]}" "$second" && colour_above 10 "${screen0[@]}" "$navy"; }
until_seen back || fail "the saved scheme did not come back from the recent list"
cmp -s "$scheme" "$work/saved.col" || fail "the file changed"
expect_recent "$scheme|$scheme||||" # no check for doubles
step="exit (Ctrl+Q, no question)"
keys ctrl+q
ends

# --- 8 bits a pixel: the message in the stored language, by xmessage, and no editor window.
step="8-bit display"
start_display 8
printf '[Settings]\nLanguage=Deutsch\n' >"$work/deutsch.conf"
ZEF_SETTINGS=$work/deutsch.conf "$zef" >"$work/zef.log" 2>&1 &
app=$!
await "^Fehler$"
grep -qxF "zef: Es werden nur 16-Bit, 24-Bit, 32-Bit Bitmaps unterstützt!" "$work/zef.log" ||
    fail "the message is not the German one"
[ -z "$(window_named "^ZEF - |^Jazyk")" ] || fail "a window of the editor came up"
xdotool windowfocus --sync "$found" key Return
ends
echo "user session test passed"
