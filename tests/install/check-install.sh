#!/usr/bin/env bash
# Installs the build in BUILD_DIR into a scratch prefix and checks what a desktop needs: the
# program, its menu entry, the set files' type, icons, AppStream data and the sample data, each valid.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build="$1"
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
  share/metainfo/io.github.vantorviewer.VantorViewer.metainfo.xml
  share/vantor-viewer/sample/Items.txt
  share/vantor-viewer/sample/spells.txt
  share/vantor-viewer/sample/spellsVtab0.txt
  share/doc/vantor-viewer/copyright
)
for f in "${expected[@]}"; do
  [ -f "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
[ -x "$prefix/bin/vantor-viewer" ] || { echo "not executable: bin/vantor-viewer"; exit 1; }
extra=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
[ -z "$extra" ] || { echo "installed but not expected: $extra"; exit 1; }
desktop-file-validate "$prefix/share/applications/vantor-viewer.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/io.github.vantorviewer.VantorViewer.metainfo.xml"
grep -qx 'Exec=vantor-viewer %f' "$prefix/share/applications/vantor-viewer.desktop"
grep -qx 'MimeType=application/x-vantor-set;' "$prefix/share/applications/vantor-viewer.desktop"
grep -q '<mime-type type="application/x-vantor-set">' "$prefix/share/mime/packages/vantor-viewer.xml"
grep -q '<glob pattern="\*.kreq"/>' "$prefix/share/mime/packages/vantor-viewer.xml"
grep -qx 'Icon=vantor-viewer' "$prefix/share/applications/vantor-viewer.desktop"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$prefix/share/metainfo/io.github.vantorviewer.VantorViewer.metainfo.xml"
grep -qx 'License: GPL-3.0-or-later' "$prefix/share/doc/vantor-viewer/copyright"
echo "install into a scratch prefix: every file there and valid"
