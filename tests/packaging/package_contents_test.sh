#!/bin/sh
# Builds the Debian package of this build folder and checks that what a desktop and a packager
# need is in it, and that lintian, appstreamcli and desktop-file-validate find nothing to fault.
# usage: package_contents_test.sh BUILD_DIR
set -u
for tool in dpkg-deb dpkg-shlibdeps lintian appstreamcli desktop-file-validate; do
    if ! command -v $tool >/dev/null; then
        echo "SKIPPED: $tool is missing (scripts/setup.sh installs it)"
        exit 77
    fi
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$1/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
list=$(dpkg-deb -c "$deb")
failed=0
for f in bin/mf7edit bin/mf7batch share/applications/mf7edit.desktop \
    share/mime/packages/mf7edit.xml share/icons/hicolor/scalable/apps/mf7edit.svg \
    share/man/man1/mf7edit.1.gz share/man/man1/mf7batch.1.gz share/man/man1/mf7demo.1.gz \
    share/metainfo/org.example.mf7edit.metainfo.xml share/doc/mf7edit/copyright \
    share/doc/mf7edit/changelog.Debian.gz; do
    echo "$list" | grep -q " \./usr/$f\$" || { echo "not in the package: /usr/$f"; failed=1; }
done
# The Qt runtime comes in through the libraries' own packages.
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency"; failed=1; }
# Information notes are allowed: this build folder may lack the optimised build's hardening.
lintian --fail-on error,warning "$deb" || { echo "lintian faults the package"; failed=1; }
dpkg-deb -x "$deb" "$out/root"
appstreamcli validate --no-net "$out"/root/usr/share/metainfo/*.xml || failed=1
desktop-file-validate "$out/root/usr/share/applications/mf7edit.desktop" || failed=1
exit $failed
