#!/bin/bash
# Installs the build into a temporary prefix and runs the installed zovictl against the installed
# simulator from elsewhere, so that it can find its data files only where the installation put them.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
    rm -rf "$prefix"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/zovi bin/zovictl bin/ctsim share/zovi/error.lst share/zovi/nvqdevice.lst \
            share/zovi/help/index.html share/zovi/images/zovi.png share/applications/zovi.desktop \
            share/icons/hicolor/256x256/apps/zovi.png; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done

cd "$prefix"
coproc SIM { exec "$prefix/bin/ctsim" --no-pacing; }
sim_pid=$SIM_PID
read -r -t 10 pty <&"${SIM[0]}"

set +e
"$prefix/bin/zovictl" positions read "$prefix/read.vqd" --port "$pty" --yes --lang en >"$prefix/out" 2>"$prefix/err"
status=$?
set -e
cat "$prefix/out" "$prefix/err"
[ "$status" -eq 0 ] || { echo "zovictl ended with $status"; exit 1; }
# The alarm list and the device lists are found: neither is reported missing.
if grep -Eq "No file of Error list|cannot be used" "$prefix/err"; then
    echo "the installed zovictl did not find its data files"
    exit 1
fi
grep -q '"VQ- 28L-100","NEW"' "$prefix/read.vqd"
echo "installed programs found their data"
