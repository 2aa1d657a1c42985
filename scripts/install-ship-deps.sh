#!/usr/bin/env bash
# Installs the Debian packages that packaging, validating and screenshotting the
# program need (on top of the build's own), asking apt only for those that are
# missing. Extra package names given as arguments are installed along with them.
set -euo pipefail
exec bash "$(dirname "$0")/install-deps.sh" desktop-file-utils appstream dpkg-dev file lintian groff-base man-db "$@"
