#!/usr/bin/env python3
"""A long delete shows its progress on a terminal, and its output is the same.

A delete of 1,200 delegations from a server whose every call takes 2 ms,
with standard error on a pseudo-terminal and standard output to a file,
shows a growing count of the whole there, cleared at the end; the file is
the one a run with standard error on a pipe writes, which gets nothing.
Run with --bin naming the folder of telvdelegate and telvemu.
"""

import os
import pty
import re
import subprocess
import sys

from emulated_servers import Failure, build_environment, run_in_folder, run_ok, test_arguments

SHOWN = re.compile(rb"\rRemoving delegates: ([0-9,]+) of 1,200 *")


def delete(workdir, env, latency, stderr):
    """Runs the delete on a new server; returns (process, its output file)."""
    for command in (["create", "srv"], ["seed", "srv", "1200"], ["latency", "srv", latency]):
        run_ok(["telvemu"] + command, workdir, env)
    output = os.path.join(workdir, "out%s.txt" % latency)
    with open(output, "wb") as out:
        return subprocess.Popen(["telvdelegate", "-d", "srv", "*", "*"], cwd=workdir, env=env,
                                stdin=subprocess.DEVNULL, stdout=out, stderr=stderr), output


def run_test(workdir, bin_dir):
    env = build_environment(workdir, bin_dir)
    proc, plain = delete(workdir, env, "0", subprocess.PIPE)
    if proc.communicate(timeout=300)[1] or proc.returncode != 0:
        raise Failure("the run with a pipe wrote on it or failed")
    run_ok(["telvemu", "remove", "srv"], workdir, env)
    master, slave = pty.openpty()
    proc, terminal = delete(workdir, env, "2", slave)
    os.close(slave)
    shown = b""
    try:
        while True:
            chunk = os.read(master, 4096)
            shown += chunk
            if not chunk:
                break
    except OSError:  # the terminal's last user has gone
        pass
    if proc.wait(timeout=300) != 0:
        raise Failure("the run with a terminal exited %d" % proc.returncode)
    counts = [int(m.group(1).replace(b",", b"")) for m in SHOWN.finditer(shown)]
    cleared = re.compile(rb"(?:%s)+\r +\r" % SHOWN.pattern)
    if not counts or counts != sorted(counts) or not cleared.fullmatch(shown):
        raise Failure("no growing progress, cleared at the end: %r" % shown[-300:])
    if open(plain, "rb").read() != open(terminal, "rb").read():
        raise Failure("standard output differs with standard error on a terminal")
    print("%d progress lines, the last %r" % (len(counts), SHOWN.findall(shown)[-1]))


def main():
    options = test_arguments(__doc__).parse_args()
    return run_in_folder("progress_terminal.", options.keep,
                         lambda workdir: run_test(workdir, options.bin))


if __name__ == "__main__":
    sys.exit(main())
