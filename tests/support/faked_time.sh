# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command at a faked time through libfaketime itself, sourced by the test scripts. Not
# through the faketime wrapper: a wrapper ended by a signal leaves its semaphore in /dev/shm, and
# a later wrapper that gets the same process ID then fails with "sem_open: File exists".
#
#   faked_time WHEN COMMAND [ARGUMENTS...]   WHEN as faketime -f takes it: "@2003-03-14 12:00:00"
faked_time() {
  local library
  library=$(find /usr/lib -path '*/faketime/libfaketime.so.1' -print -quit)
  [ -n "$library" ] || { echo "libfaketime is not installed" >&2; return 1; }
  LD_PRELOAD=$library FAKETIME=$1 "${@:2}"
}
