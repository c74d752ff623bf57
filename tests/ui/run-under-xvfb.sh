#!/usr/bin/env bash
# Runs the desktop program on a real X server (Xvfb) once: a fresh device,
# the sample blog opened, a screenshot taken. Usage: run-under-xvfb.sh APP
set -euo pipefail
app=$1
home=$(mktemp -d "${TMPDIR:-/tmp}/vellumbrix-xvfb-XXXXXX")
trap 'rm -rf "$home"' EXIT
xvfb-run -a -s "-screen 0 1024x768x24" "$app" --home "$home" --screenshot "$home/xvfb.png" --do "open-blog 0" --do "key F2" 2>"$home/errors" || {
    cat "$home/errors" >&2
    exit 1
}
# A PNG of the handheld's screen (240 x 320).
header=$(od -An -tx1 -N24 "$home/xvfb.png" | tr -d ' \n')
[[ ${header:0:16} == 89504e470d0a1a0a ]] || { echo "not a PNG" >&2; exit 1; }
[[ ${header:32:16} == 000000f000000140 ]] || { echo "not 240 x 320: ${header:32:16}" >&2; exit 1; }
echo "ok: $(wc -c <"$home/xvfb.png") bytes"
