# What the program says of itself, in every package it ships in: the Debian package
# (cmake/Packaging.cmake) and the Windows setup, zip and executable (cmake/Windows.cmake).

set(LABS_VERSION 1.0.0)
# The date of the release named above, not of the build, so that the installed
# files are the same whenever they are built.
set(LABS_RELEASE_DATE 2026-12-08)
set(LABS_APP_ID org.labs.Labs)
# Who answers for the package: its Maintainer field, the AppStream developer and
# contact, and the copyright file's contact all come from here.
set(LABS_MAINTAINER_NAME "The Labs developers")
set(LABS_MAINTAINER_EMAIL labs@example.org)
set(LABS_MAINTAINER "${LABS_MAINTAINER_NAME} <${LABS_MAINTAINER_EMAIL}>")
set(LABS_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(LABS_ICON_SIZES 16 24 32 48 64 128 256)
