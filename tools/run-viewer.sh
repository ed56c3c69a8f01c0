#!/usr/bin/env bash
# Installs what is needed, builds the viewer and starts it on the bundled sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset release -DVANTOR_BUILD_TESTS=OFF
cmake --build --preset release --target vantor-viewer
exec ./build/release/vantor-viewer
