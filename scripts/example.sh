#!/usr/bin/env bash
# Sets up, builds, and makes an example symbol: GS1 DataBar Stacked for item 2001234567890,
# written to out/example.svg and out/example.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
mkdir -p out
build/cli/barquill databar --type stacked --code 2001234567890 -o out/example.svg
build/cli/barquill databar --type stacked --code 2001234567890 -o out/example.png
echo "wrote out/example.svg and out/example.png"
