#!/usr/bin/env python3
"""Runs a Windows console program under Wine in place of a Linux one.

usage: wine_console.py WINE PROGRAM.exe [ARGUMENT...]

Standard input passes through. A Windows program writes its standard
output in text mode, each line ending in CR LF: this reads it whole and
passes each line on with a plain line end, so that the output compares with
what the Linux build prints. A line that ends in a bare LF, which a Windows
program in text mode never writes, is passed on marked " (bare LF)", so that
it shows as a difference. Standard error is passed on before standard
output, as it came out when it passed straight through. Exits with the
program's status.

Wine reports its own errors ("0024:err:..." or, before a thread runs,
"err:...") on standard error; they are kept apart from the program's. Now
and then Wine's start-up cannot map the shared user data at its fixed
address ("failed to map the shared user data: c0000018") and ends the
program with status 1 before it runs. Neither program of this project ends
with status 1 without a word, so a run that does, with an error of Wine's,
is made once more; should the second end the same way, it is passed on
with Wine's errors, and shows as a difference with Wine's reason in it.
"""

import os
import re
import subprocess
import sys

WINE_ERROR = re.compile(rb"^([0-9a-f]{4,}:)?err:")


def plain_line_ends(output):
    lines = output.split(b"\n")
    for i in range(len(lines) - 1):
        if lines[i].endswith(b"\r"):
            lines[i] = lines[i][:-1]
        else:
            lines[i] += b" (bare LF)"
    return b"\n".join(lines)


def run(command):
    """Returns the status, standard output, the program's standard error and Wine's errors."""
    env = dict(os.environ, WINEDEBUG="-all,err+all")
    completed = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)
    own, wine = [], []
    for line in completed.stderr.splitlines(keepends=True):
        (wine if WINE_ERROR.match(line) else own).append(line)
    return completed.returncode, completed.stdout, b"".join(own), b"".join(wine)


def main():
    wine, program, arguments = sys.argv[1], sys.argv[2], sys.argv[3:]
    status, output, errors, wine_errors = run([wine, program] + arguments)
    if status == 1 and not output and not errors and wine_errors:
        status, output, errors, wine_errors = run([wine, program] + arguments)
        if status == 1 and not output and not errors:
            errors = wine_errors
    sys.stderr.buffer.write(errors)
    sys.stderr.flush()
    sys.stdout.buffer.write(plain_line_ends(output))
    sys.stdout.flush()
    return status


if __name__ == "__main__":
    sys.exit(main())
