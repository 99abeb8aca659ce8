#!/usr/bin/env python3
"""A long delete shows its progress on a terminal, and its output is the same.

A delete of a few thousand delegations from a server whose every call takes
a few milliseconds runs for seconds. With standard error on a
pseudo-terminal and standard output to a file, the terminal gets the
progress line, rewritten in place with a growing count of the whole, and
cleared at the end; the file is byte for byte the one a run with standard
error on a pipe writes, and that run writes nothing on standard error.
Run with --bin naming the folder of telvdelegate and telvemu.
"""

import os
import pty
import re
import subprocess
import sys

from emulated_servers import (Failure, build_environment, run_in_folder, run_ok,
                              test_arguments)

COUNT = 1200
LATENCY_MS = 2
SHOWN = re.compile(rb"\rRemoving delegates: ([0-9,]+) of 1,200 *")
CLEARED = re.compile(rb"\r +\r$")


def seeded_server(workdir, env, latency):
    run_ok(["telvemu", "create", "srv"], workdir, env)
    run_ok(["telvemu", "seed", "srv", str(COUNT)], workdir, env)
    run_ok(["telvemu", "latency", "srv", str(latency)], workdir, env)


def delete(workdir, env, output, stderr):
    with open(os.path.join(workdir, output), "wb") as out:
        return subprocess.Popen(["telvdelegate", "-d", "srv", "*", "*"], cwd=workdir, env=env,
                                stdin=subprocess.DEVNULL, stdout=out, stderr=stderr)


def run_test(workdir, bin_dir):
    env = build_environment(workdir, bin_dir)
    # The run without a terminal, on a server as fast as it gets.
    seeded_server(workdir, env, 0)
    proc = delete(workdir, env, "plain.txt", subprocess.PIPE)
    _, error = proc.communicate(timeout=300)
    if proc.returncode != 0 or error:
        raise Failure("run with a pipe: status %d, standard error %r" % (proc.returncode, error))
    run_ok(["telvemu", "remove", "srv"], workdir, env)

    seeded_server(workdir, env, LATENCY_MS)
    master, slave = pty.openpty()
    proc = delete(workdir, env, "terminal.txt", slave)
    os.close(slave)
    shown = b""
    while True:
        try:
            chunk = os.read(master, 4096)
        except OSError:  # the terminal's last user has gone
            break
        if not chunk:
            break
        shown += chunk
    os.close(master)
    if proc.wait(timeout=300) != 0:
        raise Failure("run with a terminal exited %d" % proc.returncode)

    counts = [int(m.group(1).replace(b",", b"")) for m in SHOWN.finditer(shown)]
    if not counts or counts != sorted(counts) or counts[-1] >= COUNT:
        raise Failure("no growing progress on the terminal: %r" % shown[:300])
    cleared = CLEARED.search(shown)
    if cleared is None or SHOWN.sub(b"", shown[:cleared.start()]) != b"":
        raise Failure("the terminal got more than progress lines and their clearing: %r"
                      % shown[-300:])
    with open(os.path.join(workdir, "plain.txt"), "rb") as plain, \
            open(os.path.join(workdir, "terminal.txt"), "rb") as terminal:
        if plain.read() != terminal.read():
            raise Failure("standard output differs with standard error on a terminal")
    print("%d progress lines, the last %r" % (len(counts), SHOWN.findall(shown)[-1]))


def main():
    options = test_arguments(__doc__).parse_args()
    return run_in_folder("progress_terminal.", options.keep,
                         lambda workdir: run_test(workdir, options.bin))


if __name__ == "__main__":
    sys.exit(main())
