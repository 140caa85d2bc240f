#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and runs the installed program from
# there: it must start, find its export module, and carry a menu entry, icons, a description
# and a manual page that the desktop's own tools accept.
# Usage: package.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/*.deb)
dpkg-deb -f "$deb" Depends | grep -q libsqlcipher
if dpkg-deb -f "$deb" Depends | grep -q uno; then
  echo "LibreOffice must be a recommendation, not a dependency"; exit 1
fi
# Calc with or without its windows: the two conflict, and a recommendation of one alone would
# ask to replace the other.
if [ "$(dpkg-deb -f "$deb" Recommends)" != "libreoffice-calc-nogui | libreoffice-calc" ]; then
  echo "the package must recommend either LibreOffice Calc: $(dpkg-deb -f "$deb" Recommends)"; exit 1
fi
root=$scratch/root
dpkg -x "$deb" "$root"
usr=$root/usr

for file in bin/lirvenda lib/lirvenda/lirvenda_calc.so share/man/man1/lirvenda.1 \
    share/applications/no.lirvenda.Lirvenda.desktop share/metainfo/no.lirvenda.Lirvenda.metainfo.xml \
    share/icons/hicolor/scalable/apps/lirvenda.svg share/icons/hicolor/48x48/apps/lirvenda.png \
    share/icons/hicolor/256x256/apps/lirvenda.png share/bash-completion/completions/lirvenda \
    share/zsh/vendor-completions/_lirvenda; do
  [ -s "$usr/$file" ] || { echo "missing from the package: $file"; exit 1; }
done
file "$usr/share/icons/hicolor/48x48/apps/lirvenda.png" | grep -q "48 x 48"
# Docks group the window with its menu entry by the window's class, the application's name.
grep -qx "StartupWMClass=Lirvenda" "$usr/share/applications/no.lirvenda.Lirvenda.desktop" ||
  { echo "the menu entry does not name the window's class"; exit 1; }

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$usr/share/applications/no.lirvenda.Lirvenda.desktop"
else
  echo "desktop-file-validate is not installed: the menu entry is not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$usr/share/metainfo/no.lirvenda.Lirvenda.metainfo.xml"
else
  echo "appstreamcli is not installed: the description is not validated"
fi
man -l "$usr/share/man/man1/lirvenda.1" 2>/dev/null | grep -q "lirvenda backup" || [ ! -x "$(command -v man)" ]

unset LIRVENDA_MODULE_DIR # the installed program must find its module by itself
"$usr/bin/lirvenda" --version | grep -q "^lirvenda "
QT_QPA_PLATFORM=offscreen "$usr/bin/lirvenda" --folder "$scratch/folder" --screenshot "$scratch/window.png"
file "$scratch/window.png" | grep -q "PNG image"
"$usr/bin/lirvenda" check --folder "$scratch/folder" | grep -q "Ingen feil funnet"

# An export through the installed module, read back by another spreadsheet program.
sqlcipher "$scratch/folder/Observasjoner.mdb" >/dev/null <<'SQL'
PRAGMA key = 'kavet7QX';
INSERT INTO Observasjoner(Art, StartDato, Antall, Lokalitet) VALUES ('11870', '2026-05-01 08:00:00', 3, 'Tjønna');
SQL
printf 'Portal\nmal\n' > "$scratch/template.csv"
ssconvert "$scratch/template.csv" "$scratch/folder/lirv_Excelimport.xls" 2>/dev/null
exported=$("$usr/bin/lirvenda" export --folder "$scratch/folder" 2>"$scratch/export.log") ||
  { cat "$scratch/export.log"; exit 1; }
ssconvert "$exported" "$scratch/exported.csv" 2>/dev/null
grep -q "Tjønna" "$scratch/exported.csv"
echo "installed from $(basename "$deb"): $(dpkg-deb -f "$deb" Installed-Size) KiB, starts and validates"
