#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package from a configured build tree, into OUT_DIR. cpack gives the package's own
# members the permissions of its temporary files, which follow the umask: the usual one, so that
# the same sources give the same bytes under any.
# Usage: build-package.sh BUILD_DIR OUT_DIR
set -eu
umask 022
exec cpack --config "$1/CPackConfig.cmake" -B "$2"
