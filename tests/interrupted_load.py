#!/usr/bin/env python3
"""A replacing load ended by SIGINT or SIGTERM loses no delegation.

Every line of the file replaces a pair: the old delegation is removed, then
the new one saved. Each run is signalled just after a random "Replace
existing delegate" line, as the tool removes the pair; then every pair is
there exactly once, with its old or new values, and the signal ended the run.
Run with --bin naming the folder of telvdelegate and telvemu.
"""

import collections
import os
import random
import signal
import subprocess
import sys

from emulated_servers import (Failure, build_environment, fold, make_attributes, make_user_ids,
                              read_database, run_in_folder, run_ok, test_arguments,
                              write_listing)

SERVER = "srv"
PAIRS = 400
RUNS = 24


def interrupted_load(workdir, env, listing, replace_lines, sig):
    """Loads the listing and sends sig at once after the given number of
    replace lines; returns the exit status."""
    # The signals' own actions, even where this test was started with them
    # ignored (as a background job of a shell is, for SIGINT).
    proc = subprocess.Popen(["telvdelegate", "-i", listing, SERVER], cwd=workdir, env=env,
                            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                            preexec_fn=lambda: [signal.signal(s, signal.SIG_DFL)
                                                for s in (signal.SIGINT, signal.SIGTERM)])
    seen = 0
    for line in proc.stdout:
        seen += line.startswith(b"Replace existing delegate: ")
        if seen == replace_lines:
            proc.send_signal(sig)
            break
    proc.communicate()  # read to the end: a closed pipe would end the run by itself
    return proc.returncode


def run_test(workdir, bin_dir):
    env = build_environment(workdir, bin_dir)
    rng = random.Random(20261208)
    pairs = list(zip(make_user_ids(rng, PAIRS, "ABCDEFGH"), make_user_ids(rng, PAIRS, "abcdefgh")))
    versions = [[make_attributes(rng) + pair for pair in pairs] for _ in range(2)]
    for index, rows in enumerate(versions):
        write_listing(os.path.join(workdir, "v%d.txt" % index), rows)
    allowed = collections.defaultdict(set)
    for row in versions[0] + versions[1]:
        allowed[(fold(row[5]), fold(row[6]))].add(row)
    database = os.path.join(workdir, "servers", SERVER + ".db")
    run_ok(["telvemu", "create", SERVER], workdir, env)
    run_ok(["telvdelegate", "-i", "v0.txt", SERVER], workdir, env)

    for run in range(RUNS):
        sig = (signal.SIGINT, signal.SIGTERM)[run % 2]
        # Some lines before the end, so that the signal always comes first.
        status = interrupted_load(workdir, env, "v%d.txt" % (run % 2 ^ 1),
                                  rng.randint(1, PAIRS - 50), sig)
        if status != -sig:
            raise Failure("run %d: the load got %s but exited %d" % (run, sig.name, status))
        rows = [row for _, row in read_database(database)]
        stored = collections.Counter((fold(row[5]), fold(row[6])) for row in rows)
        wrong = [row for row in rows if row not in allowed[(fold(row[5]), fold(row[6]))]]
        missing = [pair for pair in allowed if stored[pair] != 1]
        if missing or wrong:
            raise Failure("run %d, after %s: pairs not there exactly once: %s; rows with values"
                          " of neither file: %s" % (run, sig.name, missing[:5], wrong[:5]))
    print("%d interrupted loads, every pair kept" % RUNS)


def main():
    parser = test_arguments(__doc__)
    options = parser.parse_args()
    return run_in_folder("interrupted_load.", options.keep,
                         lambda workdir: run_test(workdir, options.bin))


if __name__ == "__main__":
    sys.exit(main())
