#!/usr/bin/env bash
# Sets up (Debian packages, build) and starts ZO-VI. When no controller has been configured for
# COM 1, the controller simulator is started and COM 1 is pointed at it for this run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build
bin=build/bin

config_home=${XDG_CONFIG_HOME:-$HOME/.config}
ini="$config_home/ZO-VI/ZO-VI.ini"

# Prints the value of KEY in section [Settings] of the settings file.
setting() {
  [ -f "$ini" ] || return 0
  awk -F= -v key="$1" '/^\[/{s=($0=="[Settings]")} s && $1==key {sub(/^[^=]*=/,""); print; exit}' "$ini"
}

# Sets KEY=VALUE in section [Settings], creating the file or the section when needed.
set_setting() {
  mkdir -p "$(dirname "$ini")"
  [ -f "$ini" ] || printf '[Settings]\n' > "$ini"
  grep -q '^\[Settings\]' "$ini" || printf '\n[Settings]\n' >> "$ini"
  awk -v key="$1" -v value="$2" '
    /^\[/ { if (s && !done) { print key "=" value; done=1 } s=($0=="[Settings]") }
    s && index($0, key "=")==1 { if (!done) print key "=" value; done=1; next }
    { print }
    END { if (!done) print key "=" value }' "$ini" > "$ini.tmp"
  mv "$ini.tmp" "$ini"
}

launch() {
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting ZO-VI under a virtual X server." >&2
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  else
    "$@"
  fi
}

configured=$(setting PortDevice1)
simulated=$(setting SimulatorDevice)
if [ -n "$configured" ] && [ "$configured" != "$simulated" ]; then
  echo "COM 1 is $configured: starting ZO-VI against the controller there."
  launch "$bin/zovi"
  exit 0
fi

log=$(mktemp -t ctsim.XXXXXX)
"$bin/ctsim" > "$log" 2>&1 < /dev/null &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "$log"' EXIT
for _ in $(seq 50); do
  path=$(head -n 1 "$log")
  [ -n "$path" ] && break
  sleep 0.1
done
[ -n "${path:-}" ] || { echo "The controller simulator did not start:" >&2; cat "$log" >&2; exit 1; }

set_setting PortDevice1 "$path"
set_setting SimulatorDevice "$path"
echo "No controller configured: COM 1 is the controller simulator at $path."
launch "$bin/zovi"
