#!/usr/bin/env bash
# Sourced: what Debian's emscripten needs around it. Its 3.1.6 finds its JavaScript parser
# only among Debian's Node modules, and fails with the fetch of newer Node versions.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
if node --no-experimental-fetch -e '' 2>/dev/null; then
    export NODE_OPTIONS="--no-experimental-fetch${NODE_OPTIONS:+ $NODE_OPTIONS}"
fi
