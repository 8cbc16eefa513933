#!/usr/bin/env bash
# A user's first session with the real program on a virtual X display, driven by mouse and
# keyboard alone: the language chooser, the title bar picked in the zoom view, a colour from the
# S55 palette, undo and redo, a transparent element, Save As, New Blue, Open, the recent list
# with the save question, and German and back. After every step it looks at the screen, and at
# the settings file and the saved scheme's bytes where a file is involved.
set -euo pipefail
zef=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
# A failure leaves the screen as last seen here, in the folder the test was started from.
failure_picture=$PWD/user_session_failure.png
palette_picture=$here/../../assets/palettes/s55.png
. "$here/virtual_display.sh"
start_virtual_display 24

# A home and desktop folders of the session's own, so that nothing of the user running the test
# shows in the file dialogs or is written to.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$work/schemes"
mkdir -m 700 "$XDG_RUNTIME_DIR"
scheme="$work/schemes/my scheme.col"
english_title="ZEF - Colour Scheme Editor v1.0"
german_title="ZEF - Editor farbig schema v1.0"

step="start-up"
fail() {
    echo "step $step: $*"
    if [ -s "$work/screen.rgb" ]; then
        convert -size "${screen_w}x${screen_h}" -depth 8 "rgb:$work/screen.rgb" \
            "$failure_picture" 2>/dev/null && echo "the screen as last seen: $failure_picture"
    fi
    echo "--- the program's output:"
    cat "$work/zef.log"
    echo "--- the X server's output:"
    cat "$work/xvfb.log"
    exit 1
}

# --- Looking at the screen. Positions are in pixels from the main window's top-left corner.
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
wx=0
wy=0
look() { import -display "$DISPLAY" -window root -depth 8 "rgb:$work/screen.rgb"; }
# The colour at X Y of the last look, as "red,green,blue".
pixel() {
    od -An -tu1 -j $((((wy + $2) * screen_w + wx + $1) * 3)) -N3 "$work/screen.rgb" |
        awk '{print $1 "," $2 "," $3}'
}
shows() { [ "$(pixel "$1" "$2")" = "$3" ]; }
# How many pixels of the area W x H at X Y have the colour.
count_colour() {
    convert -size "${screen_w}x${screen_h}" -depth 8 "rgb:$work/screen.rgb" \
        -crop "$1x$2+$((wx + $3))+$((wy + $4))" -depth 8 txt:- >"$work/area.txt"
    grep -c "^[0-9]*,[0-9]*: ($5)" "$work/area.txt" || true
}
# A digest of the area W x H at X Y, to tell whether two looks show the same there.
area() {
    convert -size "${screen_w}x${screen_h}" -depth 8 "rgb:$work/screen.rgb" \
        -crop "$1x$2+$((wx + $3))+$((wy + $4))" -depth 8 rgb:- | md5sum | cut -d' ' -f1
}
# Looks again and again until the command holds; a screen that is still being redrawn, or a
# flash of the clicked element, gets time to settle.
until_seen() {
    for _ in $(seq 80); do
        look
        "$@" && return 0
        sleep 0.2
    done
    return 1
}
expect_pixel() { until_seen shows "$1" "$2" "$3" || fail "$4 shows $(pixel "$1" "$2"), not $3"; }
# Conditions to wait for: more than N pixels of a colour in an area (N W H X Y COLOUR), none
# (W H X Y COLOUR), an area as a digest says (DIGEST W H X Y) or otherwise.
colour_above() { [ "$(count_colour "${@:2}")" -gt "$1" ]; }
colour_absent() { [ "$(count_colour "$@")" = 0 ]; }
area_is() { [ "$(area "${@:2}")" = "$1" ]; }
area_is_not() { [ "$(area "${@:2}")" != "$1" ]; }
# A digest of the whole window but the element list, whose current row has a focus frame only
# while the window holds the keyboard.
window_digest() {
    convert -size "${screen_w}x${screen_h}" -depth 8 "rgb:$work/screen.rgb" \
        -crop "695x550+$wx+$wy" -fill black -draw "rectangle ${element_list[*]}" \
        -depth 8 rgb:- | md5sum | cut -d' ' -f1
}
window_is() { [ "$(window_digest)" = "$1" ]; }
window_is_not() { [ "$(window_digest)" != "$1" ]; }

# --- Windows, mouse and keys.
window_named() { xdotool search --name "$1" 2>/dev/null | head -n 1 || true; }
wait_window() {
    local found=""
    for _ in $(seq 300); do
        found=$(window_named "$1")
        [ -n "$found" ] && break
        sleep 0.1
    done
    echo "$found"
}
wait_gone() {
    for _ in $(seq 300); do
        [ -z "$(window_named "$1")" ] && return 0
        sleep 0.1
    done
    return 1
}
click() { xdotool mousemove --sync $((wx + $1)) $((wy + $2)) click 1; }
# There is no window manager on the virtual display to hand the keyboard back to the main
# window when a dialog closes, so the test does that before it types into the window.
keys() { xdotool windowfocus --sync "$window" key --delay 40 "$@"; }
type_into() {
    xdotool windowfocus --sync "$1" type --delay 20 "$2"
    xdotool key --delay 40 Return
}
# Waits for the main window's title.
# Asks again and again, for five seconds at most, until COMMAND prints TEXT: eventually TEXT COMMAND...
eventually() {
    local want=$1
    shift
    for _ in $(seq 50); do
        [ "$("$@")" = "$want" ] && return 0
        sleep 0.1
    done
    return 1
}
window_title() { xdotool getwindowname "$window"; }
expect_title() {
    eventually "$1" window_title || fail "the window's title is \"$(window_title)\", not \"$1\""
}

# --- Files.
setting() {
    awk -v group="[$1]" -v key="$2" '
        /^\[/ { in_group = ($0 == group) }
        in_group && index($0, key "=") == 1 { print substr($0, length(key) + 2) }' \
        "$ZEF_SETTINGS" 2>/dev/null
}
# The recent entries File1 to File5 as one line, "|" between them.
recent() {
    local k list=""
    for k in 1 2 3 4 5; do list+="$(setting Recent "File$k")|"; done
    echo "$list"
}
expect_recent() {
    eventually "$1" recent || fail "the settings' recent files are \"$(recent)\", not \"$1\""
}
expect_language() {
    eventually "$1" setting Settings Language ||
        fail "the stored language is \"$(setting Settings Language)\", not $1"
}
# Line N of the saved scheme, without its line end.
scheme_line() { sed -n "$1p" "$scheme" | tr -d '\r'; }
# The colour of the S55 palette picture that the program ships, at X Y of the picture.
palette_colour() {
    convert "$palette_picture" -crop "1x1+$1+$2" -depth 8 txt:- |
        sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# --- Where things are. The window has a fixed size, 695 x 550, and so have the pictures in it,
# laid out in fixed frames: the element and colour frames on the left, the ten preview screens
# (101 x 80 each, two columns 4 pixels apart, rows 3 pixels apart) in the middle, the zoom view
# (204 x 162, the screen drawn 2 pixels inside it at two view pixels a screen pixel) and the
# options on the right. The frames' captions take one line of the widgets' font, so the
# positions below hold for DejaVu Sans, which the project installs; step 1 checks colours at
# several of them before the test relies on them.
menu_bar_first=(14 9)         # "File", the first caption of the menu bar
list_first_row=(100 55)       # the text of the element list's first visible row
element_list=(12 44 225 212)  # the element list with its scroll bars (left top right bottom)
element_swatch=(20 280)       # the current element's colour swatch (Picture6)
file_label=(160 17 60 237)    # the file label's area (W H X Y)
palette=(51 354)              # the S55 palette picture's top-left pixel
screen_at() {
    local column=$(($1 % 2)) row=$(($1 / 2))
    echo $((244 + column * 105)) $((47 + row * 83))
}
zoom=(477 65)                 # screen pixel 0,0 in the zoom view
zoom_pixel() { echo $((zoom[0] + 2 * $1)) $((zoom[1] + 2 * $2)); }
read -r screen0_x screen0_y < <(screen_at 0)
read -r screen2_x screen2_y < <(screen_at 2)
# Screen 2 (the list menu): its title bar at screen pixel 80,14 is element 4, its list
# background at 60,34 element 21. On screen 0 (standby) element 23 paints the provider name's
# inner letters, element 1 the date and time.
read -r s2_title_x s2_title_y <<<"$((screen2_x + 80)) $((screen2_y + 14))"
read -r s2_list_x s2_list_y <<<"$((screen2_x + 60)) $((screen2_y + 34))"
read -r zoom_title_x zoom_title_y < <(zoom_pixel 80 14)
screen0=(101 80 "$screen0_x" "$screen0_y")
# Two cells of the S55 palette, by row and column of its 16 x 16 grid of 8-pixel cells: the
# centre of the cell is 5 pixels in from the cell's corner at 1 + 131 * index / 16.
cell_point() { echo $((5 + 131 * $2 / 16)) $((5 + 131 * $1 / 16)); }
read -r first_x first_y < <(cell_point 12 5)
read -r second_x second_y < <(cell_point 3 10)
first_colour=$(palette_colour "$first_x" "$first_y")
second_colour=$(palette_colour "$second_x" "$second_y")

# Colours of the Blue starter scheme.
navy="0,0,128"                # element 1
white="255,255,255"           # element 21
title_blue="0,0,192"          # element 4
provider_inner="32,32,192"    # element 23
for c in "$first_colour" "$second_colour"; do
    case "$c" in "" | "$navy" | "$white" | "$title_blue" | "$provider_inner")
        fail "the palette cell's colour \"$c\" cannot be told from the starter's colours" ;;
    esac
done

cd "$work"
"$zef" >"$work/zef.log" 2>&1 &
app=$!

# --- 1. First run: the language chooser comes first; English is the second button.
step="1 (first run, English)"
chooser=$(wait_window "^Jazyk / Language / Sprache$")
[ -n "$chooser" ] || fail "no language chooser appeared"
[ -z "$(window_named "^ZEF - ")" ] || fail "the main window came before a language was chosen"
xdotool windowfocus --sync "$chooser" key --delay 40 Tab space
window=$(wait_window "^$english_title$")
[ -n "$window" ] || fail "no main window with the English title appeared"
eval "$(xdotool getwindowgeometry --shell "$window")"
wx=$X
wy=$Y
[ "${WIDTH}x$HEIGHT" = "695x550" ] || fail "the main window is ${WIDTH}x$HEIGHT, not 695x550"
expect_language English
expect_recent "|||||"
# The Blue starter, element 1 current, the zoom view on screen 0.
expect_pixel "${element_swatch[@]}" "$navy" "the element swatch"
shows "$s2_title_x" "$s2_title_y" "$title_blue" ||
    fail "screen 2's title bar shows $(pixel "$s2_title_x" "$s2_title_y"), not $title_blue"
shows "$s2_list_x" "$s2_list_y" "$white" ||
    fail "screen 2's list shows $(pixel "$s2_list_x" "$s2_list_y"), not $white"
[ "$(count_colour "${screen0[@]}" "$provider_inner")" -gt 100 ] ||
    fail "screen 0 does not show the provider name in $provider_inner"
read -r px py <<<"$((palette[0] + first_x)) $((palette[1] + first_y))"
shows "$px" "$py" "$first_colour" ||
    fail "the S55 palette shows $(pixel "$px" "$py") where its picture has $first_colour"
new_label=$(area "${file_label[@]}")

# --- 2. Element 4 from the zoom view. A click on screen 2 (on its list, element 21) brings that
# screen into the zoom view; a click on the title bar there selects element 4.
step="2 (element 4 from the zoom view)"
click "$s2_list_x" "$s2_list_y"
expect_pixel "$zoom_title_x" "$zoom_title_y" "$title_blue" "the zoom view's title bar"
expect_pixel "${element_swatch[@]}" "$white" "after the click on screen 2's list, the swatch"
click "$zoom_title_x" "$zoom_title_y"
expect_pixel "${element_swatch[@]}" "$title_blue" "after the click on the title bar, the swatch"

# --- 3. A colour from the S55 palette for the title bar.
step="3 (S55 palette colour $first_colour)"
click $((palette[0] + first_x)) $((palette[1] + first_y))
expect_pixel "${element_swatch[@]}" "$first_colour" "the element swatch"
expect_pixel "$zoom_title_x" "$zoom_title_y" "$first_colour" "the zoom view's title bar"
expect_pixel "$s2_title_x" "$s2_title_y" "$first_colour" "screen 2's title bar"

# --- 4. Undo and redo from the keyboard.
step="4 (undo)"
keys ctrl+z
expect_pixel "$zoom_title_x" "$zoom_title_y" "$title_blue" "the zoom view's title bar"
expect_pixel "$s2_title_x" "$s2_title_y" "$title_blue" "screen 2's title bar"
expect_pixel "${element_swatch[@]}" "$title_blue" "the element swatch"
step="4 (redo)"
keys ctrl+r
expect_pixel "$zoom_title_x" "$zoom_title_y" "$first_colour" "the zoom view's title bar"
expect_pixel "$s2_title_x" "$s2_title_y" "$first_colour" "screen 2's title bar"
expect_pixel "${element_swatch[@]}" "$first_colour" "the element swatch"

# --- 5. Element 23 transparent: into the list, to its top, down to entry 23, Space.
step="5 (element 23 transparent)"
click "${list_first_row[@]}"
down_to_23=()
for _ in $(seq 22); do down_to_23+=(Down); done
keys Home "${down_to_23[@]}" space
expect_pixel "${element_swatch[@]}" "$provider_inner" "the element swatch"
until_seen colour_absent "${screen0[@]}" "$provider_inner" ||
    fail "screen 0 still shows $(count_colour "${screen0[@]}" "$provider_inner")" \
        "pixels of the provider name in $provider_inner"
expect_title "$english_title"

# --- 6. Save As, through File > Save As... (sixth item, after the separators are skipped).
step="6 (Save As)"
click "${menu_bar_first[@]}"
xdotool key --delay 40 Down Down Down Down Down Down Return
dialog=$(wait_window "^Save As\.\.\.$")
[ -n "$dialog" ] || fail "no Save As dialog appeared"
type_into "$dialog" "$scheme"
wait_gone "^Save As\.\.\.$" || fail "the Save As dialog stayed open after Enter"
for _ in $(seq 50); do [ -s "$scheme" ] && break; sleep 0.1; done
[ -s "$scheme" ] || fail "no file was written at $scheme"
cp "$scheme" "$work/saved.col"
[ "$(wc -l <"$scheme")" = 63 ] || fail "the file has $(wc -l <"$scheme") lines, not 63"
[ "$(grep -c $'\r$' "$scheme")" = 63 ] || fail "not every line of the file ends in CR LF"
[ "$(scheme_line 1)|$(scheme_line 2)|$(scheme_line 3)" = "ColourScheme|Blue ZEF|Data" ] ||
    fail "the file's head is \"$(scheme_line 1)|$(scheme_line 2)|$(scheme_line 3)\""
[ "$(scheme_line 7)" = "${first_colour//,/ } 100" ] ||
    fail "element 4's line is \"$(scheme_line 7)\", not the palette colour ${first_colour//,/ } 100"
[ "$(scheme_line 26)" = "32 32 192 0" ] ||
    fail "element 23's line is \"$(scheme_line 26)\", not transparent 32 32 192 0"
# Every other element is the Blue starter's, as the program writes it from the command line.
"$zef" --starter Blue -o "$work/blue.col"
diff <(sed '7d;26d' "$work/blue.col") <(sed '7d;26d' "$scheme") >"$work/diff.txt" ||
    fail "lines other than elements 4 and 23 differ from the Blue starter: $(cat "$work/diff.txt")"
# Saving does not make a recent file; the file label shows the file's name now.
expect_recent "|||||"
until_seen area_is_not "$new_label" "${file_label[@]}" ||
    fail "the file label still shows what it showed for the new scheme"
saved_label=$(area "${file_label[@]}")
expect_title "$english_title"

# --- 7. File > New > Blue. Everything is saved, so no save question comes: the Blue starter
# replaces the scheme at once.
step="7 (New Blue)"
click "${menu_bar_first[@]}"
xdotool key --delay 40 Down Right Return
blue_again() {
    [ -z "$(window_named "^Actual scheme$")" ] ||
        fail "the save question came although the scheme had just been saved"
    shows "$zoom_title_x" "$zoom_title_y" "$title_blue" &&
        [ "$(count_colour "${screen0[@]}" "$provider_inner")" -gt 100 ]
}
until_seen blue_again ||
    fail "the Blue starter did not come back: the title bar shows" \
        "$(pixel "$zoom_title_x" "$zoom_title_y")"
until_seen area_is "$new_label" "${file_label[@]}" ||
    fail "the file label does not show the new scheme's label again"
cmp -s "$scheme" "$work/saved.col" || fail "the saved file changed"

# --- 8. Open the saved file through File > Open (no question: the new scheme is unchanged),
# which puts it into the recent list.
step="8 (Open)"
keys ctrl+o
dialog=$(wait_window "^Open$|^Actual scheme$")
[ -n "$dialog" ] || fail "no Open dialog appeared"
[ "$(xdotool getwindowname "$dialog")" = "Open" ] ||
    fail "a save question came although the new scheme was unchanged"
type_into "$dialog" "$scheme"
wait_gone "^Open$" || fail "the Open dialog stayed open after Enter"
saved_scheme_shown() {
    shows "$zoom_title_x" "$zoom_title_y" "$first_colour" &&
        [ "$(count_colour "${screen0[@]}" "$provider_inner")" = 0 ]
}
until_seen saved_scheme_shown ||
    fail "the saved scheme is not shown: the title bar shows $(pixel "$zoom_title_x" \
        "$zoom_title_y"), $(count_colour "${screen0[@]}" "$provider_inner") pixels of element 23"
expect_pixel "${element_swatch[@]}" "$navy" "the element swatch (element 1 current)"
[ "$(area "${file_label[@]}")" = "$saved_label" ] ||
    fail "the file label does not show the saved file's name as after Save As"
expect_recent "$scheme|||||"

# A try after opening: element 1 (the date and time on screen 0) in the second palette colour.
step="8 (a try on element 1)"
click $((palette[0] + second_x)) $((palette[1] + second_y))
until_seen colour_above 10 "${screen0[@]}" "$second_colour" ||
    fail "screen 0 shows no date and time in $second_colour"

# File > Open Recent > the first item. The scheme has an unsaved try now, so the save question
# comes, with Yes, No and Cancel. The user wants the saved scheme back, not the try in the
# file: No, by its underlined letter.
step="8 (Open Recent, save question)"
click "${menu_bar_first[@]}"
xdotool key --delay 40 Down Down Down Right Return
question=$(wait_window "^Actual scheme$")
[ -n "$question" ] || fail "no save question came for the unsaved try"
xdotool windowfocus --sync "$question" key n
wait_gone "^Actual scheme$" || fail "the save question stayed after No"
back_to_saved() {
    saved_scheme_shown && [ "$(count_colour "${screen0[@]}" "$second_colour")" = 0 ] &&
        [ "$(count_colour "${screen0[@]}" "$navy")" -gt 10 ]
}
until_seen back_to_saved ||
    fail "the saved scheme did not come back from the recent list: title bar" \
        "$(pixel "$zoom_title_x" "$zoom_title_y"), $(count_colour "${screen0[@]}" \
            "$second_colour") pixels of the try"
cmp -s "$scheme" "$work/saved.col" || fail "the file changed although the answer was No"
# The recent list keeps no check for doubles: the file stands in the first two entries.
expect_recent "$scheme|$scheme||||"
[ "$(area "${file_label[@]}")" = "$saved_label" ] ||
    fail "the file label does not show the saved file's name"

# --- 9. Tools > Language > Deutsch, and back to English. From the File menu, Right moves to
# Edit and to Tools, whose first item Language is then active; Right opens its submenu with
# Čeština active, English and Deutsch below it.
step="9 (Deutsch)"
# The window as it looks in English, with the pointer off its pictures, to compare with after
# the way back.
xdotool mousemove --sync $((wx + 600)) $((wy + 540))
look
english_window=$(window_digest)
click "${menu_bar_first[@]}"
xdotool key --delay 40 Right Right Right Down Down Return
expect_title "$german_title"
expect_language Deutsch
expect_recent "$scheme|$scheme||||"
xdotool mousemove --sync $((wx + 600)) $((wy + 540))
until_seen window_is_not "$english_window" ||
    fail "the window looks as it did in English"
# The longer German texts give the frames on the left and right other heights; the preview
# screens, which span both rows, stay where they were.
shows "$s2_title_x" "$s2_title_y" "$first_colour" ||
    fail "the language changed the scheme: screen 2's title bar shows" \
        "$(pixel "$s2_title_x" "$s2_title_y")"
[ "$(count_colour "${screen0[@]}" "$provider_inner")" = 0 ] ||
    fail "the language changed the scheme: element 23 is painted on screen 0"

step="9 (back to English)"
click "${menu_bar_first[@]}"
xdotool key --delay 40 Right Right Right Down Return
expect_title "$english_title"
expect_language English
xdotool mousemove --sync $((wx + 600)) $((wy + 540))
until_seen window_is "$english_window" ||
    fail "the window does not look as it did in English before"

# --- The end: File > Exit by its shortcut; the program ends by itself, without a question.
step="exit"
keys ctrl+q
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the editor did not close"
status=0
wait "$app" || status=$?
app=""
[ "$status" = 0 ] || fail "the editor ended with status $status"
echo "user session test passed"
