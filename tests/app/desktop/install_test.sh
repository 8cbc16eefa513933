#!/usr/bin/env bash
# Installs the build and makes its Debian package in a temporary folder, then checks the files and
# the package with the desktop's validators and lintian; a missing one is skipped with a message.
# Usage: install_test.sh BUILD_DIR ZEF_BINARY VERSION
set -euo pipefail
build=$1 zef=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" && failures=$((failures + 1)); }
have() { command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed, $2 is not checked" && false; }; }
contains() { # FILE F|E LINE...: each line a fixed text (F) or an extended pattern (E)
    for line in "${@:3}"; do grep -q"$2" -- "$line" "$1" || fail "$1 has no line $line"; done; }
icons="128 16 256 32 48 64"
expected_files() { # MAN-PAGE CHANGELOG, as they are named
    { printf '%s\n' bin/zef share/applications/zef.desktop share/doc/zef/{"$2",copyright} \
        share/man/man1/"$1" share/metainfo/cz.tesmira.zef.metainfo.xml \
        share/mime/packages/x-zef-colour-scheme.xml share/thumbnailers/zef.thumbnailer
      for size in $icons; do echo "share/icons/hicolor/${size}x$size/apps/zef.png"; done; } |
        LC_ALL=C sort
}
prefix=$work/prefix/usr share=$work/prefix/usr/share
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
diff -u <(expected_files zef.1 changelog) \
    <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the installed files differ from the list above"

entry=$share/applications/zef.desktop
contains "$entry" E "^Exec=zef %f$" "^MimeType=application/x-zef-colour-scheme;$" "^Icon=zef$" \
    "^Type=Application$" "^Categories=(.*;)?Graphics;.*$"
! have desktop-file-validate zef.desktop || [ -z "$(desktop-file-validate "$entry" 2>&1)" ] ||
    fail "desktop-file-validate: $(desktop-file-validate "$entry" 2>&1)"

# A file manager's thumbnail: the Exec line with the scheme, the picture and the size put in, the
# program found on the PATH, draws the standby screen as --render does, twice enlarged.
thumbnailer=$share/thumbnailers/zef.thumbnailer
contains "$thumbnailer" F "TryExec=zef" "MimeType=application/x-zef-colour-scheme;"
"$zef" --starter Red -o "$work/red.col" && "$zef" --render "$work/red.col" -o "$work/red.png" --screen 0 --scale 2
command=$(sed -n 's/^Exec=//p' "$thumbnailer")
command=${command//%i/$work/red.col} command=${command//%o/$work/thumbnail.png} command=${command//%s/256}
# shellcheck disable=SC2086 # split into words as the file manager does
PATH=$prefix/bin:$PATH $command || fail "the thumbnailer's command failed: $command"
cmp -s "$work/red.png" "$work/thumbnail.png" || fail "the thumbnail is not the standby screen twice enlarged"

metainfo=$share/metainfo/cz.tesmira.zef.metainfo.xml
contains "$metainfo" F "<release version=\"$version\"" ">zef.desktop</launchable>" \
    ">application/x-zef-colour-scheme<"
! have appstreamcli "the metainfo file" || appstreamcli validate --no-net "$metainfo" ||
    fail "appstreamcli validate failed"

if have update-mime-database "the MIME package"; then
    cp -r "$share/mime" "$work/mime"
    update-mime-database "$work/mime" || fail "update-mime-database refused the package"
    contains "$work/mime/globs2" E '^[0-9]+:application/x-zef-colour-scheme:\*\.col$'
    contains "$work/mime/icons" F "application/x-zef-colour-scheme:zef"
fi

! have file "the icon sizes" || for size in $icons; do
    file "$share/icons/hicolor/${size}x$size/apps/zef.png" | grep -qF "PNG image data, $size x $size," ||
        fail "the ${size}x$size icon is no $size pixel PNG"
done

if have man "the manual page"; then
    page=$share/man/man1/zef.1
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man -l failed"
    [ -z "$warnings" ] || fail "man -l warns: $warnings"
    text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
    # Every option that --help names, the manual page explains.
    for option in $("$zef" --help | grep -oE '(^|[ [])--?[a-z][a-z-]*' | tr -d ' [' | sort -u); do
        grep -qF -- "$option" <<<"$text" || fail "the manual page does not name $option"
    done
fi

if have dpkg-deb "the Debian package"; then
    cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; exit 1; }
    deb=$(ls "$work"/package/zef_*.deb)
    # Each field's value matched as a pattern: ?* is any but none.
    for field in Package=zef Version="$version" Section=graphics "Maintainer=?*" "Description=?*"; do
        [[ "$(dpkg-deb -f "$deb" "${field%%=*}")" == ${field#*=} ]] || fail "the package's $field is wrong"
    done
    # The libraries it links, what it cannot open a window without, and what it uses if there.
    for field in Depends={libqt6core6,libqt6gui6,libqt6widgets6,libc6,qt6-qpa-plugins} \
        Recommends={xdg-utils,qt6-translations-l10n,x11-utils,qt6-wayland}; do
        dpkg-deb -f "$deb" "${field%%=*}" | grep -qE "(^|, )${field#*=}( |,|$)" || fail "$field is missing"
    done
    diff -u <(expected_files zef.1.gz changelog.gz) \
        <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./usr/||' | LC_ALL=C sort) ||
        fail "the package's files differ from the list above"
    if have lintian "the package's policy"; then
        lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || fail "lintian reports errors"
        grep -v 'running with root privileges' "$work/lintian.log" || true
    fi
fi
[ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all install and package checks passed"
