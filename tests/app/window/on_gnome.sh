#!/usr/bin/env bash
# Runs a program as on a GNOME desktop: on an X display of its own, with Qt's GTK 3 platform theme
# and the GTK theme in GTK_THEME. Exit 77 (skipped) where the display or the theme is missing.
set -euo pipefail
command -v xvfb-run >/dev/null || { echo "no xvfb-run: skipped"; exit 77; }
plugins=$(find /usr/lib -path '*qt6/plugins/platformthemes/*gtk3*' -print -quit 2>/dev/null)
[ -n "$plugins" ] || { echo "no Qt GTK 3 platform theme: skipped"; exit 77; }
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
