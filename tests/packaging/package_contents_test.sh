#!/bin/sh
# Builds the Debian package of this build folder and checks that what a desktop needs is in it.
# usage: package_contents_test.sh BUILD_DIR
set -u
if ! command -v dpkg-deb >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
    echo "SKIPPED: dpkg-deb or dpkg-shlibdeps is missing (install dpkg-dev)"
    exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$1/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
list=$(dpkg-deb -c "$deb")
failed=0
for f in bin/mf7edit bin/mf7batch share/applications/mf7edit.desktop \
    share/mime/packages/mf7edit.xml share/icons/hicolor/scalable/apps/mf7edit.svg \
    share/man/man1/mf7edit.1 share/man/man1/mf7batch.1; do
    echo "$list" | grep -q " \./usr/$f\$" || { echo "not in the package: /usr/$f"; failed=1; }
done
# The Qt runtime comes in through the libraries' own packages.
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency"; failed=1; }
exit $failed
