#!/usr/bin/env bash
# Installs the build in BUILD_DIR into a scratch prefix and checks what a desktop needs: the
# program, its menu entry, the set files' type, icons, AppStream data, the manual page,
# the changelog and the sample data, each valid.
# Usage: check-install.sh BUILD_DIR VERSION
set -euo pipefail
build="$1"
version="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
expected=(
  bin/vantor-viewer
  share/applications/vantor-viewer.desktop
  share/mime/packages/vantor-viewer.xml
  share/icons/hicolor/scalable/apps/vantor-viewer.svg
  share/icons/hicolor/48x48/apps/vantor-viewer.png
  share/icons/hicolor/128x128/apps/vantor-viewer.png
  share/icons/hicolor/256x256/apps/vantor-viewer.png
  share/metainfo/io.github.vantorviewer.viewer.metainfo.xml
  share/doc/vantor-viewer/examples/Items.txt
  share/doc/vantor-viewer/examples/spells.txt
  share/doc/vantor-viewer/examples/spellsVtab0.txt
  share/doc/vantor-viewer/copyright
  share/doc/vantor-viewer/changelog.gz
  share/man/man1/vantor-viewer.1.gz
)
for f in "${expected[@]}"; do
  [ -f "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
[ -x "$prefix/bin/vantor-viewer" ] || { echo "not executable: bin/vantor-viewer"; exit 1; }
extra=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
[ -z "$extra" ] || { echo "installed but not expected: $extra"; exit 1; }
desktop-file-validate "$prefix/share/applications/vantor-viewer.desktop"
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/io.github.vantorviewer.viewer.metainfo.xml" | { ! grep -E "^[EWIP]:"; }
grep -qx 'Exec=vantor-viewer %f' "$prefix/share/applications/vantor-viewer.desktop"
grep -qx 'MimeType=application/x-vantor-set;' "$prefix/share/applications/vantor-viewer.desktop"
grep -q '<mime-type type="application/x-vantor-set">' "$prefix/share/mime/packages/vantor-viewer.xml"
grep -q '<glob pattern="\*.kreq"/>' "$prefix/share/mime/packages/vantor-viewer.xml"
grep -qx 'Icon=vantor-viewer' "$prefix/share/applications/vantor-viewer.desktop"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$prefix/share/metainfo/io.github.vantorviewer.viewer.metainfo.xml"
grep -qx 'License: GPL-3.0-or-later' "$prefix/share/doc/vantor-viewer/copyright"
# The command line answers without a display.
[ "$(env -u DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/vantor-viewer" --version)" = "vantor-viewer $version" ]
help=$(env -u DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/vantor-viewer" --help)
for option in --help --version '\[SET.kreq\]'; do grep -q -- "$option" <<<"$help"; done
# The manual page reads without a warning and names the program.
man --warnings -E UTF-8 -l "$prefix/share/man/man1/vantor-viewer.1.gz" 2>&1 >/dev/null | { ! grep .; }
lexgrog "$prefix/share/man/man1/vantor-viewer.1.gz" | grep -q 'vantor-viewer - '
echo "install into a scratch prefix: every file there and valid"
