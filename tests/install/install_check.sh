#!/usr/bin/env bash
# Installed under a prefix of its own, the client and the replay driver find
# their data there; the desktop entry and the metainfo validate; the Debian
# package holds the programs and data and declares what they need.
#   install_check.sh BUILD_DIR
set -euo pipefail
build=$1
# Exit 77 tells ctest the check was skipped.
for tool in cpack desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null || {
        echo "install check skipped: $tool is not installed (scripts/common.sh installs it)"
        exit 77
    }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

# Text drawn by the installed driver, in the font it found, is the build tree's picture.
printf "lc(10,10)\x1fpt'Quorlak 0123'\x1f" >"$work/stream"
"$prefix/bin/quorlak-replay" --png "$work/installed.png" "$work/stream"
"$build/quorlak-replay" --png "$work/built.png" "$work/stream"
cmp "$work/installed.png" "$work/built.png"
"$prefix/bin/quorlak" --help | grep -q -- "--record FILE"

id=org.quorlak.client
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/share/applications/$id.desktop")
test -x "$prefix/bin/$exec"
for size in 16 32 48 64 128 256; do
    file "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size"
done

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$work"/quorlak_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6network6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || { echo "the package does not depend on $needed: $depends"; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/quorlak ./usr/bin/quorlak-replay ./usr/share/quorlak/KELVOASCII.TTF \
    ./usr/share/applications/$id.desktop ./usr/share/icons/hicolor/48x48/apps/$id.png; do
    grep -q " $path\$" <<<"$contents" || { echo "the package lacks $path"; exit 1; }
done
echo "install check passed: $(basename "$deb")"
