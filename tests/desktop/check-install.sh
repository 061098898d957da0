#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a desktop gets.
# Usage: check-install.sh BUILD_DIR VERSION tree|validate
#   tree      the installed files, icons, manual pages and the installed programs
#   validate  desktop-file-validate and appstreamcli on the installed files
#             (exit 77, a skip, when a validator is not installed)
set -euo pipefail

build=$1 version=$2 mode=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
app_id=org.vormante.Vormante
desktop=$usr/share/applications/$app_id.desktop
metainfo=$usr/share/metainfo/$app_id.metainfo.xml

# Width and height of a PNG from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'; }

check_tree() {
    for program in vormante vormante-cli vormante-receiver-sim; do
        [ -x "$usr/bin/$program" ] || fail "usr/bin/$program missing or not executable"
    done
    for file in "$desktop" "$metainfo" "$usr/share/icons/hicolor/scalable/apps/vormante.svg" \
        "$usr/share/doc/vormante/copyright" "$usr/share/doc/vormante/changelog.gz"; do
        [ -s "$file" ] || fail "${file#"$root"} missing or empty"
    done

    # The desktop entry starts an installed program and names an installed icon.
    exec_line=$(grep '^Exec=' "$desktop" || true)
    [ "$exec_line" = "Exec=vormante %f" ] || fail "desktop entry: '$exec_line' should open the given file"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "desktop entry names icon '$icon', not installed"

    for size in 16 22 24 32 48 64 128 256; do
        png=$usr/share/icons/hicolor/${size}x${size}/apps/vormante.png
        if [ ! -f "$png" ]; then
            fail "no ${size}x${size} icon"
        elif [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
            fail "${size}x${size} icon is not a PNG"
        elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
            fail "${size}x${size} icon is $(png_size "$png")"
        fi
    done

    grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo does not name release $version"
    grep -q '<screenshot type="default">' "$metainfo" || fail "metainfo has no screenshot"

    # Manual pages: compressed, well formed, and the companion's lists every command it has.
    for page in vormante vormante-cli vormante-receiver-sim; do
        gz=$usr/share/man/man1/$page.1.gz
        if ! gzip -t "$gz" 2>/dev/null; then
            fail "manual page $page.1.gz missing or damaged"
        elif command -v groff >/dev/null; then
            warnings=$(gzip -dc "$gz" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1 || true)
            [ -z "$warnings" ] || fail "groff warns on $page.1: $warnings"
        fi
    done
    cli_page=$(gzip -dc "$usr/share/man/man1/vormante-cli.1.gz")
    commands=$("$usr/bin/vormante-cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z-]*\) .*/\1/p')
    [ -n "$commands" ] || fail "vormante-cli --help lists no commands"
    for command in $commands; do
        grep -Eq "^\.(B|BI|BR) \"?$command( |\"|\\\\|$)" <<<"$cli_page" || fail "vormante-cli.1 does not describe '$command'"
    done
    for status in 0 1 2; do
        grep -A1 '^\.TP' <<<"$cli_page" | grep -qx "\.B $status" || fail "vormante-cli.1 does not explain exit status $status"
    done

    # The installed editor reports the version it was built with, with no display for
    # that or for its usage, and starts on an image.
    nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
    shown=$("${nodisplay[@]}" "$usr/bin/vormante" --version 2>&1) || true
    [ "$shown" = "vormante $version" ] || fail "vormante --version says '$shown', not 'vormante $version'"
    usage=$("${nodisplay[@]}" "$usr/bin/vormante" --help 2>&1) || true
    grep -q '^Usage: .*\[image\]$' <<<"$usage" || fail "vormante --help without a display says '$usage'"
    "$usr/bin/vormante-cli" sample "$root/demo.bin" >/dev/null || fail "installed vormante-cli cannot write a sample"
    QT_QPA_PLATFORM=offscreen "$usr/bin/vormante" "$root/demo.bin" &
    editor=$!
    sleep 1
    if kill -0 "$editor" 2>/dev/null; then
        kill "$editor"
        wait "$editor" 2>/dev/null || true
    else
        wait "$editor" && status=0 || status=$?
        fail "the installed editor ended within a second on an image (status $status)"
    fi
}

check_validators() {
    for tool in desktop-file-validate appstreamcli; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (tools/install-deps.sh desktop installs it)"
            exit 77
        fi
    done
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
    appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects the metainfo"
}

case "$mode" in
tree) check_tree ;;
validate) check_validators ;;
*) echo "unknown mode $mode" >&2; exit 2 ;;
esac
[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "all checks passed"
