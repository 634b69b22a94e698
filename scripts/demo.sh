#!/usr/bin/env bash
# The main job: build the plug-in and the host tool, then run a whole code
# generation of the demo project through the plug-in's exports.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake --preset default >/dev/null
cmake --build --preset default --target ostrevan ostrevan-host >/dev/null
mkdir -p out
# From the project's directory, where its certificate paths lead.
root=$PWD
cd examples
"$root/build/default/bin/ostrevan-host" build demo.project -o "$root/out/demo" "$@"
