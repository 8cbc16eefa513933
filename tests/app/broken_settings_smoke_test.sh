#!/usr/bin/env bash
# Starts the real program with a settings file that cannot serve it: corrupt bytes, a folder in
# its place, a read-only file, a file of 11 MB. Each time the editor comes up and closes normally,
# and a settings file it must not write is left byte for byte as it was. Where the settings cannot
# be read the language chooser comes first; where the chosen word cannot be stored either, the
# editor reads no language back and the window keeps its built-in Czech texts.
set -euo pipefail
zef=$1
. "$(dirname "$0")/virtual_display.sh"
start_virtual_display 24
# The read-only case runs the program as a user that permissions apply to.
chmod 755 "$work"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# Runs the editor on a Red scheme with the settings at $ZEF_SETTINGS and waits for the main
# window's title and the scheme's red in its preview: by then the file went into the recent list,
# which is a write to the settings. The language chooser is expected first when the settings
# cannot be read, and is answered "English".
run_editor() {
    local case=$1 chooser_expected=$2 title=$3
    HOME=$work/home "${as_user[@]}" "$zef" "$work/red.col" >"$work/zef.log" 2>&1 &
    app=$!
    if [ "$chooser_expected" = yes ]; then
        local chooser
        chooser=$(wait_for_window "^Jazyk / Language / Sprache$")
        [ -n "$chooser" ] || { echo "$case: no language chooser"; cat "$work/zef.log"; exit 1; }
        # The buttons stand in the order Czech, English, German.
        xdotool windowfocus --sync "$chooser" key Tab space
    fi
    local window
    window=$(wait_for_window "^$title\$")
    [ -n "$window" ] || { echo "$case: no window \"$title\""; cat "$work/zef.log"; exit 1; }
    window_shows "$window" "#FF0000" || { echo "$case: the scheme was not opened"; exit 1; }
    xdotool windowfocus --sync "$window" key ctrl+q
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$app" 2>/dev/null; then echo "$case: the editor did not close"; exit 1; fi
    local status=0
    wait "$app" || status=$?
    app=""
    [ "$status" -eq 0 ] || { echo "$case: the editor ended with $status"; cat "$work/zef.log"; exit 1; }
}

# The settings files' folder is the program's to write in, as a user's configuration folder is.
mkdir -m 777 "$work/home" "$work/settings"
"$zef" --starter Red -o "$work/red.col"
chmod 644 "$work/red.col"
english="ZEF - Colour Scheme Editor v1.0"
built_in="ZEF - Editor barevného schéma v1.0"

echo "corrupt bytes"
export ZEF_SETTINGS=$work/settings/corrupt.conf
head -c 5000 /dev/urandom >"$ZEF_SETTINGS"
printf '\n[Settings\nLanguage\0=Czech\n\xff\xfe[[[\n' >>"$ZEF_SETTINGS"
chmod 666 "$ZEF_SETTINGS"
run_editor "corrupt file" yes "$english"
grep -q "^File1=.*red.col" "$ZEF_SETTINGS" || { echo "corrupt file: not written afresh"; exit 1; }

echo "a folder"
export ZEF_SETTINGS=$work/settings/folder.conf
mkdir -m 777 "$ZEF_SETTINGS"
run_editor "folder" yes "$built_in"
[ -d "$ZEF_SETTINGS" ] || { echo "folder: the folder was replaced"; exit 1; }

echo "read-only"
export ZEF_SETTINGS=$work/settings/read-only.conf
printf '[Settings]\nLanguage=English\n\n[Recent]\nFile1=\nFile2=\nFile3=\nFile4=\nFile5=\n' \
    >"$ZEF_SETTINGS"
chmod 444 "$ZEF_SETTINGS"
before=$(md5sum <"$ZEF_SETTINGS")
run_editor "read-only file" no "$english"
[ "$(md5sum <"$ZEF_SETTINGS")" = "$before" ] || { echo "read-only: the file changed"; exit 1; }

echo "11 MB"
export ZEF_SETTINGS=$work/settings/huge.conf
{
    printf '[Settings]\nLanguage=English\n'
    head -c 11000000 /dev/zero | tr '\0' ';'
} >"$ZEF_SETTINGS"
chmod 666 "$ZEF_SETTINGS"
before=$(md5sum <"$ZEF_SETTINGS")
run_editor "11 MB file" yes "$built_in"
[ "$(md5sum <"$ZEF_SETTINGS")" = "$before" ] || { echo "11 MB: the file changed"; exit 1; }

echo "broken settings smoke test passed"
