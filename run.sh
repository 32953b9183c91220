#!/usr/bin/env bash
# Installs what is missing, builds, and plays the demo against the built-in server.
source "$(dirname "$0")/scripts/common.sh"
ensure_packages
build
exec "$BUILD/quorlak" --demo "$@"
