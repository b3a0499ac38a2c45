#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the AppStream metadata validate, as menus and software centres read them.
# AppStream 1.0 and later ask for a homepage, which Calvanir has none to name: that much is
# information only.
#
#   metadata_test.sh DESKTOP_ENTRY METAINFO
set -eu
desktop-file-validate "$1"
version=$(appstreamcli --version | grep -o '[0-9][0-9.]*' | head -n 1)
override=
if [ "$(printf '1.0\n%s\n' "$version" | sort -V | head -n 1)" = 1.0 ]; then
  override=--override=url-homepage-missing=info
fi
appstreamcli validate --no-net $override "$2"
