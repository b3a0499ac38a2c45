# SPDX-License-Identifier: GPL-3.0-or-later
# Reads a running program, process PID, from outside, over AT-SPI as a screen reader does: waits
# until one of its objects bears each NAME in turn, then exits 0; after 20 s without one, says what
# names the program does show and exits 1.
#
#   accessible_names.py PID NAME...
import sys, time
import pyatspi

def names(node, depth=0):
    if node is None or depth > 12:
        return
    yield node.name
    for child in node:
        yield from names(child, depth + 1)

def shown(pid):
    found = set()
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                found.update(names(app))
        except Exception:  # gone, or the tree changed while it was read: read it again next time
            pass
    return found

application, wanted = int(sys.argv[1]), sys.argv[2:]
for name in wanted:
    deadline = time.monotonic() + 20
    while name not in (seen := shown(application)):
        if time.monotonic() > deadline:
            print(f"FAIL: {application} shows no '{name}'; it shows: {sorted(n for n in seen if n)}",
                  file=sys.stderr)
            sys.exit(1)
        time.sleep(0.1)
    print(f"ok: {name}")
