#!/usr/bin/env bash
# Builds the .deb and checks it as a distribution would: the desktop entry, the AppStream metainfo, lintian,
# the systemd user and system units, and an installation into a scratch root whose ondrix runs. A missing validator is
# skipped with a message saying which package brings it; every other failure fails the check.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
build_dir="${1:-$source_dir/build/package}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

deb="$("$source_dir/scripts/build-package.sh" "$build_dir" | tail -1)"
echo "package: $deb"
dpkg-deb -x "$deb" "$scratch/root"
dpkg-deb -e "$deb" "$scratch/control"
app_id="$(basename "$(ls "$scratch"/root/usr/share/applications/*.desktop)" .desktop)"
desktop="$scratch/root/usr/share/applications/$app_id.desktop"

skip() { echo "SKIPPED: $1 is not installed (Debian package $2)"; }

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop"
    echo "desktop entry: valid"
else skip desktop-file-validate desktop-file-utils; fi

if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$scratch/root/usr/share/metainfo/$app_id.metainfo.xml"
else skip appstreamcli appstream; fi

if command -v lintian >/dev/null; then
    # Errors fail the check; warnings and notes are shown.
    lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"
    echo "lintian: no errors"
    # Every program and module is hardened: position-independent, full RELRO with immediate binding, and
    # fortified buffer functions. Lintian reports a missing one as a warning or as information (shown only
    # when asked), so any of its hardening tags fails the check, with one exception below.
    hardening="$(lintian --display-info --suppress-tags-from-file /dev/null \
        --tags hardening-no-pie,hardening-no-relro,hardening-no-bindnow,hardening-no-fortify-functions "$deb")"
    # Lintian sees fortification only where a call got a run-time check, which the compiler adds only where
    # it knows the buffer's size but not the length; a program whose every such call has a constant length
    # or an unknown buffer is listed although it was built fortified. For a file listed there, every
    # compiler command of the build must then show the flag and optimisation it needs.
    if grep -q 'hardening-no-fortify-functions' <<<"$hardening"; then
        unfortified="$(python3 - "$build_dir/compile_commands.json" <<'PY'
import json, re, sys
for entry in json.load(open(sys.argv[1])):
    if not re.search(r" -D_FORTIFY_SOURCE=[23]\b", entry["command"]) or not re.search(r" -O[123s]\b", entry["command"]):
        print(entry["file"])
PY
)"
        test -z "$unfortified" || { echo "built without -D_FORTIFY_SOURCE=2 and optimisation:"; echo "$unfortified"; exit 1; }
        echo "$hardening" | grep 'hardening-no-fortify-functions'
        echo "(built with -D_FORTIFY_SOURCE and optimisation throughout; no call in it needed a run-time check)"
        hardening="$(grep -v 'hardening-no-fortify-functions' <<<"$hardening" || true)"
    fi
    test -z "$hardening" || { echo "$hardening"; exit 1; }
    echo "lintian: PIE, RELRO and immediate binding everywhere, fortified functions where they apply"
else skip lintian lintian; fi

# Lintian has no check for the stack protector: a protected object calls __stack_chk_fail when a canary
# is found overwritten.
elf_files=0
while IFS= read -r -d '' file; do
    [ "$(head -c 4 "$file" | od -An -tx1 | tr -d ' ')" = 7f454c46 ] || continue
    elf_files=$((elf_files + 1))
    if ! readelf --dyn-syms --wide "$file" | grep ' __stack_chk_fail' >/dev/null; then
        echo "no stack protector in ${file#"$scratch/root"}"
        exit 1
    fi
done < <(find "$scratch/root" -type f -print0)
test "$elf_files" -gt 0
echo "stack protector: in all $elf_files programs and modules"

if command -v systemd-analyze >/dev/null; then
    # Verified as a user unit, with ExecStart pointed into the scratch root so the binary check means
    # something.
    sed "s|^ExecStart=/|ExecStart=$scratch/root/|" "$scratch/root/usr/lib/systemd/user/ondrix.service" \
        > "$scratch/ondrix.service"
    mkdir -p "$scratch/runtime"
    XDG_RUNTIME_DIR="$scratch/runtime" systemd-analyze verify --man=no --user "$scratch/ondrix.service"
    echo "user unit: valid"
    # The system unit for service accounts, as an instance for an account that exists here, with its bus
    # configuration from the scratch root. systemd-analyze exits 0 on a key it ignores: any output fails.
    test -s "$scratch/root/usr/share/ondrix/service-bus.conf"
    sed -e "s|/usr/bin/ondrix|$scratch/root/usr/bin/ondrix|" -e "s|=/usr/share/ondrix|=$scratch/root/usr/share/ondrix|" \
        "$scratch/root/usr/lib/systemd/system/ondrix@.service" > "$scratch/ondrix@root.service"
    verified="$(systemd-analyze verify --man=no "$scratch/ondrix@root.service" 2>&1)"
    test -z "$verified" || { echo "$verified"; exit 1; }
    echo "system unit: valid"
else skip systemd-analyze systemd; fi

# The installed binary starts from the installed paths, and the desktop entry's Exec names it.
exec_line="$(sed -n 's/^Exec=//p' "$desktop" | cut -d' ' -f1)"
test -x "$scratch/root$exec_line" || { echo "Exec=$exec_line is not in the package"; exit 1; }
"$scratch/root$exec_line" --version
grep -q '^Depends:.*qt6-qpa-plugins' "$scratch/control/control"
test -s "$scratch/root/usr/share/man/man1/ondrix.1.gz"
test -s "$scratch/root/usr/share/doc/ondrix/copyright"
echo "installed package: ondrix --version runs from $exec_line"

# The desktop module is installed privately and the installed binary loads it: a desktop start (on the
# offscreen platform, in a scratch home) must not fall back to headless.
module="$(find "$scratch/root/usr/lib" -path '*/ondrix/desktop.so')"
test -n "$module" || { echo "the desktop module is not in the package"; exit 1; }
mkdir -p "$scratch/home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
set +e
HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/config" XDG_DATA_HOME="$scratch/home/data" \
    XDG_STATE_HOME="$scratch/home/state" XDG_CACHE_HOME="$scratch/home/cache" XDG_RUNTIME_DIR="$scratch/runtime" \
    DBUS_SESSION_BUS_ADDRESS=disabled: DISPLAY=:0 QT_QPA_PLATFORM=offscreen \
    timeout -s TERM 5 "$scratch/root$exec_line" 2> "$scratch/desktop-run.txt"
set -e
if grep -q "desktop interface cannot be loaded" "$scratch/desktop-run.txt"; then
    cat "$scratch/desktop-run.txt"
    exit 1
fi
echo "installed package: the desktop module ${module#"$scratch/root"} loads"

# The image metadata library is the keyword module's alone: the package depends on it (seen in the module),
# the executable does not link it.
keyword_module="$(find "$scratch/root/usr/lib" -path '*/ondrix/iptc.so')"
test -n "$keyword_module" || { echo "the keyword module is not in the package"; exit 1; }
grep -q '^Depends:.*libexiv2' "$scratch/control/control" || { echo "Depends lacks libexiv2"; exit 1; }
if readelf -d "$scratch/root$exec_line" | grep 'NEEDED.*libexiv2' >/dev/null; then
    echo "the executable links libexiv2"
    exit 1
fi
echo "installed package: the keyword module ${keyword_module#"$scratch/root"} carries libexiv2"
