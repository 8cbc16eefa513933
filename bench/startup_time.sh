#!/usr/bin/env bash
# Start-up time: from starting the program to its main window being mapped on an X display,
# over five runs, with the median. Usage: bench/startup_time.sh build/app/zef [DISPLAY]
set -euo pipefail
zef=$1
export DISPLAY=${2:-:5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZEF_SETTINGS=$work/zef.conf
printf '[Settings]\nLanguage=English\n' >"$ZEF_SETTINGS"
"$zef" --starter Blue -o "$work/blue.col"
times=()
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$zef" "$work/blue.col" >/dev/null 2>&1 &
    app=$!
    # Polled by hand: xdotool's own --sync waits half a second between looks.
    until xdotool search --onlyvisible --name "ZEF - Colour Scheme Editor" >/dev/null 2>&1; do
        sleep 0.005
    done
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
    kill "$app"
    wait "$app" 2>/dev/null || true
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "runs (ms): "; for (i=1;i<=NR;i++) printf "%s ", a[i]; printf "\nmedian: %s ms\n", a[3]}'
