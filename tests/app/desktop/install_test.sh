#!/usr/bin/env bash
# Installs the build into a temporary prefix and makes its Debian package there, then checks
# both: the files and their places, the desktop entry, the AppStream data, the MIME package and
# the manual page with the desktop's own validators, and the package's control fields, contents
# and lintian's verdict. A missing validator is skipped with a message; script/bootstrap
# installs them all.
# Usage: install_test.sh BUILD_DIR ZEF_BINARY VERSION
set -euo pipefail

build=$1
zef=$2
version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

have() {
    if command -v "$1" >/dev/null 2>&1; then
        return 0
    fi
    echo "SKIP: $1 is not installed (script/bootstrap installs it), so $2 is not checked"
    return 1
}

# Every file of a tree, relative to it, sorted.
files_below() {
    (cd "$1" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
}

icons="128 16 256 32 48 64"
expected_files() { # the manual page's and changelog's names as given
    local man=$1 changelog=$2
    {
        echo "bin/zef"
        echo "share/applications/zef.desktop"
        echo "share/doc/zef/$changelog"
        echo "share/doc/zef/copyright"
        for size in $icons; do
            echo "share/icons/hicolor/${size}x${size}/apps/zef.png"
        done
        echo "share/man/man1/$man"
        echo "share/metainfo/cz.tesmira.zef.metainfo.xml"
        echo "share/mime/packages/x-zef-colour-scheme.xml"
    } | LC_ALL=C sort
}

echo "== cmake --install"
prefix=$work/prefix/usr
cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
    { cat "$work/install.log"; exit 1; }
if ! diff -u <(expected_files zef.1 changelog) <(files_below "$prefix"); then
    fail "the installed files differ from the list above"
fi
share=$prefix/share

echo "== desktop entry"
entry=$share/applications/zef.desktop
for line in "Exec=zef %f" "MimeType=application/x-zef-colour-scheme;" "Icon=zef" "Type=Application"; do
    grep -qxF "$line" "$entry" || fail "zef.desktop has no line $line"
done
grep -qE '^Categories=(.*;)?Graphics;' "$entry" || fail "zef.desktop is not in the Graphics category"
if have desktop-file-validate "zef.desktop"; then
    out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate failed"
    [ -z "$out" ] || fail "desktop-file-validate says: $out"
fi

echo "== AppStream data"
metainfo=$share/metainfo/cz.tesmira.zef.metainfo.xml
grep -qF "<release version=\"$version\"" "$metainfo" ||
    fail "the metainfo file has no release $version, the project's version"
grep -qF "<launchable type=\"desktop-id\">zef.desktop</launchable>" "$metainfo" ||
    fail "the metainfo file does not launch zef.desktop"
grep -qF "<mediatype>application/x-zef-colour-scheme</mediatype>" "$metainfo" ||
    fail "the metainfo file does not provide the scheme files' type"
if have appstreamcli "the metainfo file"; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate failed"
fi

echo "== MIME package"
if have update-mime-database "the MIME package"; then
    cp -r "$share/mime" "$work/mime"
    update-mime-database "$work/mime" || fail "update-mime-database refused the package"
    grep -qE '^[0-9]+:application/x-zef-colour-scheme:\*\.col$' "$work/mime/globs2" ||
        fail "the MIME database gives *.col no ZEF type"
    grep -qxF "application/x-zef-colour-scheme:zef" "$work/mime/icons" ||
        fail "the MIME database gives the ZEF type no zef icon"
fi

echo "== icons"
if have file "the icon sizes"; then
    for size in $icons; do
        file "$share/icons/hicolor/${size}x${size}/apps/zef.png" |
            grep -qF "PNG image data, $size x $size," || fail "the ${size}x${size} icon is no $size pixel PNG"
    done
fi

echo "== manual page"
if have man "the manual page"; then
    page=$share/man/man1/zef.1
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) ||
        fail "man -l failed"
    [ -z "$warnings" ] || fail "man -l warns: $warnings"
    text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
    # Every option that --help names, the manual page explains.
    for option in $("$zef" --help | grep -oE '(^|[ [])--?[a-z][a-z-]*' | tr -d ' [' | sort -u); do
        grep -qF -- "$option" <<<"$text" || fail "the manual page does not name $option"
    done
fi

echo "== Debian package"
if have dpkg-deb "the Debian package"; then
    cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; exit 1; }
    deb=$(ls "$work"/package/zef_*.deb)
    [ "$(dpkg-deb -f "$deb" Package)" = zef ] || fail "the package is not named zef"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
    [ "$(dpkg-deb -f "$deb" Section)" = graphics ] || fail "the package is not in section graphics"
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package names no maintainer"
    [ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "the package has no description"
    depends=$(dpkg-deb -f "$deb" Depends)
    for library in libqt6core6 libqt6gui6 libqt6widgets6 libc6; do
        grep -qE "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
    done
    contents=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./usr/||' | LC_ALL=C sort)
    if ! diff -u <(expected_files zef.1.gz changelog.gz) <(echo "$contents"); then
        fail "the package's files differ from the list above"
    fi
    if have lintian "the package's policy"; then
        status=0
        lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || status=$?
        grep -v 'running with root privileges' "$work/lintian.log" || true
        [ "$status" -eq 0 ] || fail "lintian reports errors"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all install and package checks passed"
