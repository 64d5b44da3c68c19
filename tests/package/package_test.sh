#!/usr/bin/env bash
# Builds the Debian package as scripts/package.sh builds it and checks what a
# user's system sees of it: its metadata, its file list, its desktop entry and
# AppStream metadata by their validators, and lintian.
#   package_test.sh SOURCE_DIR WORK_DIR VERSION WITH_JUDGE
set -euo pipefail
source_dir=$1 work=$2 version=$3 with_judge=$4

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$work/out" "$work/root"
"$source_dir/scripts/package.sh" "$work/out" "$work/build"
debs=("$work"/out/quorvel_*.deb)
((${#debs[@]} == 1)) || { echo "FAILED: not one package: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
[[ ${deb##*/} == quorvel_${version}-*_amd64.deb ]] || fail "package named ${deb##*/}"

# Metadata.
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == quorvel ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version"-* ]] || fail "Version: $(field Version)"
[[ $(field Architecture) == amd64 ]] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
# The names alone, one a line, without versions.
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/ //g')
required=(libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6
          qt6-translations-l10n qt6-image-formats-plugins fonts-ipafont-gothic)
((with_judge)) && required+=(libdlib-data)
for package in "${required[@]}"; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done
if grep -E -- '-dev$|^(cmake|ninja-build|g\+\+|gcc|build-essential|dpkg-dev)$' <<<"$names"; then
    fail "Depends names what only the build needs: $depends"
fi
dpkg-deb -I "$deb"

# Files: all of them under /usr, owned by root, and those a user needs there.
listing=$(dpkg-deb -c "$deb")
echo "$listing"
awk '$2 != "root/root" || $6 !~ /^\.\/(usr\/)?$|^\.\/usr\// { print; bad = 1 } END { exit bad }' \
    <<<"$listing" || fail "files outside /usr or not owned by root"
paths=$(awk '{ print substr($6, 2) }' <<<"$listing")
expected=(
    /usr/bin/Quorvel
    /usr/share/applications/quorvel.desktop
    /usr/share/doc/quorvel/Quorvel.txt
    /usr/share/doc/quorvel/copyright
    /usr/share/doc/quorvel/changelog.Debian.gz
    /usr/share/man/man1/Quorvel.1.gz
    /usr/share/icons/hicolor/scalable/apps/quorvel.svg
)
for size in 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/quorvel.png")
done
((with_judge)) && expected+=(/usr/bin/quorvel-judge /usr/share/man/man1/quorvel-judge.1.gz)
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$paths" || fail "missing $path"
done

dpkg-deb -x "$deb" "$work/root"
# Software centres find the metadata by its id: the one file must bear it.
metainfo=("$work"/root/usr/share/metainfo/*.metainfo.xml)
if ((${#metainfo[@]} != 1)) || [[ ! -f ${metainfo[0]} ]]; then
    fail "not one AppStream file: ${metainfo[*]}"
else
    id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "${metainfo[0]}")
    [[ ${metainfo[0]##*/} == "$id.metainfo.xml" ]] || fail "${metainfo[0]##*/} holds the id '$id'"
fi

# The read-me command's last folder is compiled in: it must be the installed one.
strings -el "$work/root/usr/bin/Quorvel" | grep -x /usr/share/doc/quorvel >/dev/null ||
    fail "the program looks for its read-me elsewhere than /usr/share/doc/quorvel"

# The desktop entry and the AppStream metadata as software centres read them.
entry=$work/root/usr/share/applications/quorvel.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate"
grep -qx 'Exec=/usr/bin/Quorvel %f' "$entry" || fail "the entry does not start /usr/bin/Quorvel"
grep -qx 'Icon=quorvel' "$entry" || fail "the entry names another icon"
appstreamcli validate --no-net --pedantic "$work"/root/usr/share/metainfo/*.xml ||
    fail "appstreamcli validate"

# Errors and warnings fail; those that remain are overridden with a reason.
lintian --fail-on error,warning --info "$deb" || fail "lintian"

((failures == 0)) || { echo "$failures check(s) failed" >&2; exit 1; }
echo "package checks passed: ${deb##*/}"
