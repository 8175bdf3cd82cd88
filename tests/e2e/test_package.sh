#!/usr/bin/env bash
# The .deb made from the build under test: it declares its Qt libraries,
# unpacks into an empty folder with a valid menu entry, AppStream description
# and icon theme sizes, and the program starts from the unpacked files alone.
# The package is made afresh from this build, so a stale one is never tested.
set -u
app=$1
. "$(dirname "$0")/lib.sh"
build=$(cd "$(dirname "$app")" && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli identify; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps installs it)"
done
[ -f "$build/CPackConfig.cmake" ] || skip "no CPack configuration in $build"
start_xserver

work=$(mktemp -d)
cleanup() {
  stop_xserver
  rm -rf "$work"
}
trap cleanup EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not make the .deb"; }
deb=$(ls "$work"/package/caldorine_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "cpack made no caldorine_*.deb"

depends=$(dpkg-deb --field "$deb" Depends)
for need in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation; do
  grep -qE "(^|, )$need( |,|$)" <<<"$depends" || fail "Depends lacks $need: $depends"
done

root=$work/root
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
share=$root/usr/share
desktop=$(ls "$share"/applications/*.desktop)
metainfo=$(ls "$share"/metainfo/*.metainfo.xml)
id=$(basename "$desktop" .desktop)
[ "$(basename "$metainfo" .metainfo.xml)" = "$id" ] || fail "metainfo is not named after $id"

out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $id.desktop"

exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$root/usr/bin/$exec_line" ] || fail "Exec=$exec_line is not an installed program"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x$size/apps/$icon.png
  [ -f "$png" ] || fail "no $size px icon $icon"
  [ "$(identify -format '%wx%h' "$png")" = "${size}x$size" ] || fail "$png is not $size px"
done

program=$root/usr/bin/caldorine
readelf -d "$program" | grep -qE 'RPATH|RUNPATH' && fail "the installed program carries a library path"

# Started from the unpacked files in an empty folder, with Qt from the system.
mkdir "$work/empty"
(cd "$work/empty" && exec env -u LD_LIBRARY_PATH "$program" 2>/dev/null) &
APP_PID=$!
win=$(wait_for_window Caldorine) || fail "the unpacked program showed no window"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
xprop -id "$win" WM_CLASS | grep -q "\"$wm_class\"" ||
  fail "WM_CLASS $(xprop -id "$win" WM_CLASS) does not match StartupWMClass=$wm_class"
"$SEND_CLOSE" "$win" || fail "could not ask the window to close"
expect_clean_exit "closing the unpacked program's window"
echo "ok: $(basename "$deb") unpacked, $id valid, started from $program and closed"
