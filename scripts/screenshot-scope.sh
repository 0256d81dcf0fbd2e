#!/usr/bin/env bash
# Takes docs/images/scope.png: the live plot example with its slider window.
# The example stops after 10 seconds and shows its last sweep for 3 more; the grab comes then.
exec "$(dirname "$0")/screenshot-example.sh" scope 10 scope,1280x1024 12 1040x950+0+0 scope.png
