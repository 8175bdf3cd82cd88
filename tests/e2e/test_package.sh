#!/usr/bin/env bash
# The .deb made afresh from the build under test declares its Qt libraries, unpacks with a valid
# menu entry, AppStream description and icon sizes, and the program starts from the unpacked files
# alone and ends cleanly.
. "$(dirname "$0")/lib.sh"
build=$(cd "$(dirname "$app")" && pwd)
need cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli identify
[ -f "$build/CPackConfig.cmake" ] || skip "no CPack configuration in $build"
start_xserver
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$WORK/package" &>"$WORK/cpack.log" ||
  fail "cpack could not make the .deb: $(cat "$WORK/cpack.log")"
deb=$(ls "$WORK"/package/caldorine_*.deb) || fail "cpack made no caldorine_*.deb"
depends=$(dpkg-deb --field "$deb" Depends)
for need in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation; do
  grep -qE "(^|, )$need( |,|$)" <<<"$depends" || fail "Depends lacks $need: $depends"
done
dpkg -x "$deb" "$WORK/root" || fail "dpkg -x failed"
share=$WORK/root/usr/share
desktop=$(ls "$share"/applications/*.desktop)
id=$(basename "$desktop" .desktop)
metainfo=$share/metainfo/$id.metainfo.xml
field() { sed -n "s/^$1=//p" "$desktop"; }
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $id.desktop"
[ -x "$WORK/root/usr/bin/$(field Exec)" ] || fail "Exec=$(field Exec) is not an installed program"
for size in 16 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x$size/apps/$(field Icon).png
  [ "$(identify -format '%wx%h' "$png")" = "${size}x$size" ] || fail "$png is no $size px icon"
done
app=$WORK/root/usr/bin/caldorine
readelf -d "$app" | grep -qE 'RPATH|RUNPATH' && fail "the installed program carries a library path"
mkdir "$WORK/empty" && cd "$WORK/empty" # with Qt from the system
start_app -u LD_LIBRARY_PATH
xprop -id "$win" WM_CLASS | grep -q "\"$(field StartupWMClass)\"" ||
  fail "WM_CLASS $(xprop -id "$win" WM_CLASS) does not match StartupWMClass=$(field StartupWMClass)"
xdotool mousemove --window "$win" 130 15 click 1
expect_clean_exit "the close button of the unpacked program"
