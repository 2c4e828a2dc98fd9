#!/usr/bin/env bash
# Installs what is missing, builds the release configuration and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --workflow --preset release
