#!/usr/bin/env bash
# Takes docs/images/scope.png and scope-smooth.png: the live plot example with its slider window,
# with the window system's pens and with antialiased lines (SMOOTH).
# The example stops after 10 seconds and shows its last sweep for 3 more; the grab comes then.
set -euo pipefail
here="$(dirname "$0")"
"$here/screenshot-example.sh" scope 10 scope,1280x1024 12 1040x950+0+0 scope.png
"$here/screenshot-example.sh" scope 10 scope,1280x1024 12 1040x950+0+0 scope-smooth.png smooth
