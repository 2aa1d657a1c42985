#!/usr/bin/env bash
# The compiler and runtime the fuzz targets need on top of the normal build: clang with
# libFuzzer and its sanitizer runtimes. Asks apt only for what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
exec bash scripts/install-deps.sh clang libclang-rt-14-dev
