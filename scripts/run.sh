#!/usr/bin/env bash
# Installs what is missing, builds the release configuration and starts Ombrix.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target ombrix
exec build/release/window/ombrix
