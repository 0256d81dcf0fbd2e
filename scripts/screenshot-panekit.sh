#!/usr/bin/env bash
# Takes docs/images/panekit.png: the slider-and-picture example of the window class library.
# The example closes itself after 8 seconds; the grab comes when it has settled.
exec "$(dirname "$0")/screenshot-example.sh" sliderpicture 8 shot,1024x768 5 528x516+0+0 \
    panekit.png
