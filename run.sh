#!/usr/bin/env bash
# Installs what is missing, builds the packager and the three authoring
# commands (scenario-compile, scenario-inspect, scenario-pack) and runs the
# packager, which writes its files into its own folder, build/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target scenario-packager scenario-compile scenario-inspect \
  scenario-pack
build/scenario-packager
