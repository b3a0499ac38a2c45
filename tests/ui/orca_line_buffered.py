# SPDX-License-Identifier: GPL-3.0-or-later
# Orca, with its debug file line-buffered so that it can be read while Orca runs (Orca writes it in
# 8 KB blocks). Arguments as for orca.
import builtins, runpy, sys

debug_file = sys.argv[sys.argv.index("--debug-file") + 1]
block_buffered_open = builtins.open
builtins.open = lambda file, mode="r", buffering=-1, *args, **kwargs: block_buffered_open(
    file, mode, 1 if file == debug_file else buffering, *args, **kwargs)
sys.argv[0] = "/usr/bin/orca"
runpy.run_path(sys.argv[0], run_name="__main__")
