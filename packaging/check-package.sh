#!/usr/bin/env bash
# Checks what Quarvel installs on a Linux desktop and its Debian package:
# installs into a staging folder, validates the desktop entry, the .qvl file
# type, the AppStream metainfo and the man page, runs the installed batch tool,
# then builds the .deb and checks its contents and fields.
#   bash packaging/check-package.sh [BUILD_DIR]    (default: build)
# The build folder is configured first when needed, and what is installed built. Nothing is
# installed on this machine: everything goes to temporary folders.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
app_id=org.quarvel.Quarvel
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "check-package: $*" >&2
    exit 1
}

[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" \
    --target quarvel quarvel-cli quarvel-cli-gui quarvel_man_page

echo "== cmake --install into a staging folder =="
staging=$work/staging
cmake --install "$build" --prefix "$staging" >/dev/null
installed=(
    bin/quarvel
    bin/quarvel-cli
    bin/quarvel-cli-core
    bin/quarvel-cli-gui
    share/applications/$app_id.desktop
    share/mime/packages/$app_id.xml
    share/icons/hicolor/scalable/apps/$app_id.svg
    share/metainfo/$app_id.metainfo.xml
    share/man/man1/quarvel-cli.1.gz
    share/doc/quarvel/copyright
)
for f in "${installed[@]}"; do
    [ -f "$staging/$f" ] || fail "not installed: $f"
done
for f in quarvel quarvel-cli quarvel-cli-core quarvel-cli-gui; do
    [ -x "$staging/bin/$f" ] || fail "not executable: bin/$f"
done

echo "== desktop entry =="
desktop-file-validate "$staging/share/applications/$app_id.desktop"
grep -qx 'Exec=quarvel %f' "$staging/share/applications/$app_id.desktop" ||
    fail "the desktop entry does not pass the file to quarvel"

echo "== .qvl file type =="
xmllint --noout "$staging/share/mime/packages/$app_id.xml"
# The database a desktop reads: *.qvl must map to the type, with both comments.
XDG_DATA_DIRS=$staging/share update-mime-database "$staging/share/mime"
grep -q '^50:application/x-quarvel-design:\*\.qvl$' "$staging/share/mime/globs2" ||
    fail "*.qvl is not in the MIME globs"
type_file=$staging/share/mime/application/x-quarvel-design.xml
grep -q '<comment>Quarvel mini-ramp design</comment>' "$type_file" || fail "no English comment"
grep -q '<comment xml:lang="fr">' "$type_file" || fail "no French comment"
grep -q "<icon name=\"$app_id\"/>" "$type_file" || fail "no icon for the type"

echo "== icon =="
xmllint --noout "$staging/share/icons/hicolor/scalable/apps/$app_id.svg"

echo "== AppStream metainfo =="
appstreamcli validate --no-net "$staging/share/metainfo/$app_id.metainfo.xml"

echo "== man page =="
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$staging/share/man/man1/quarvel-cli.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man page warnings: $warnings"
page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$staging/share/man/man1/quarvel-cli.1.gz" 2>/dev/null)
for command in trace render plan template cut model picture book; do
    grep -q "^       $command\b" <<<"$page" || fail "the man page does not describe $command"
done

echo "== the installed batch tool =="
# quarvel-cli finds quarvel-cli-core and quarvel-cli-gui beside it once installed too.
printf '60 140 70 140 244 70 140 60\r\n' >"$work/design.qvl"
"$staging/bin/quarvel-cli" plan "$work/design.qvl" >/dev/null
QT_QPA_PLATFORM=offscreen "$staging/bin/quarvel-cli" render "$work/design.qvl" "$work/picture.bmp"
[ "$(stat -c %s "$work/picture.bmp")" = $((54 + 900 * 465 * 3)) ] || fail "render wrote a wrong picture"

echo "== Debian package =="
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
debs=("$work"/deb/quarvel_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single quarvel .deb"
deb=${debs[0]}
echo "$(basename "$deb")"
contents=$(dpkg-deb -c "$deb")
for f in "${installed[@]}"; do
    grep -q " \./usr/$f\$" <<<"$contents" || fail "not in the package: /usr/$f"
done
if grep -v '^d' <<<"$contents" | grep -qv ' root/root '; then
    fail "files in the package not owned by root"
fi
[ "$(dpkg-deb -f "$deb" Package)" = quarvel ] || fail "wrong package name"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libdxflib3 \
    fonts-liberation fonts-dejavu-core; do
    tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -qxF "$dependency" ||
        fail "no dependency on $dependency"
done
# apt resolves the package's dependencies against this Debian without installing.
if apt-get install --simulate --no-install-recommends "$deb" 2>&1 | grep -q '^Inst quarvel '; then
    echo "apt-get would install it"
else
    apt-get install --simulate --no-install-recommends "$deb" >&2 || true
    fail "apt-get cannot install the package"
fi
echo "== package checks passed =="
