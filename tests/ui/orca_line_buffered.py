# SPDX-License-Identifier: GPL-3.0-or-later
# Runs Orca with its debug file line-buffered, so that what it has said can be read while it runs
# (it writes the file in 8 KB blocks otherwise). Arguments as for orca.
import builtins
import runpy
import sys

debug_file = sys.argv[sys.argv.index("--debug-file") + 1]
unbuffered_open = builtins.open


def open_line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    return unbuffered_open(file, mode, 1 if file == debug_file else buffering, *args, **kwargs)


builtins.open = open_line_buffered
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
