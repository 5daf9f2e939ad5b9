#!/usr/bin/env bash
# Runs a command with DISPLAY on a private Xvfb that ends with it: Wine makes no window without
# a display, and the tests that make real windows run wherever the suite runs.
#   with_display.sh COMMAND ARGS...
set -euo pipefail
work=$(mktemp -d)
source "$(dirname "$0")/../e2e/tools/xvfb_session.sh"
trap 'stop_session; rm -rf "$work"' EXIT
status=0
"$@" || status=$?
exit "$status"
