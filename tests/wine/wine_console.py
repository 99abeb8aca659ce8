#!/usr/bin/env python3
"""Runs a Windows console program under Wine in place of a Linux one.

usage: wine_console.py WINE PROGRAM.exe [ARGUMENT...]

Standard input and standard error pass through. A Windows program writes
its standard output in text mode, each line ending in CR LF: this reads it
whole and passes each line on with a plain line end, so that the output
compares with what the Linux build prints. A line that ends in a bare LF,
which a Windows program in text mode never writes, is passed on marked
" (bare LF)", so that it shows as a difference. Exits with the program's
status.
"""

import subprocess
import sys


def plain_line_ends(output):
    lines = output.split(b"\n")
    for i in range(len(lines) - 1):
        if lines[i].endswith(b"\r"):
            lines[i] = lines[i][:-1]
        else:
            lines[i] += b" (bare LF)"
    return b"\n".join(lines)


def main():
    wine, program, arguments = sys.argv[1], sys.argv[2], sys.argv[3:]
    completed = subprocess.run([wine, program] + arguments, stdout=subprocess.PIPE)
    sys.stdout.buffer.write(plain_line_ends(completed.stdout))
    sys.stdout.flush()
    return completed.returncode


if __name__ == "__main__":
    sys.exit(main())
