#!/usr/bin/env python3
"""Replacing loads and deletes ended by a signal lose no delegation.

Every line of the file replaces a pair: the old delegation is removed, then
the new one saved. Each load is signalled just after a random "Replace
existing delegate" line by one of the signals that end the process, then by
one that must not take its place; every third finds the server locked at
its first pair, whose save fails, so that the signal comes before the
restore. Some of those get a fault signal (SIGABRT, SIGILL) from the test;
one is then killed with SIGKILL. Then every pair is there exactly once, with
its old or new values, and the first signal ended the run; the flags of
standard output's pipe, as the test's own copy shows them, never turned
non-blocking. A load with SIGHUP and SIGINT ignored
runs through them. Deletes, signalled at random or stalled on a pipe that
nobody reads (and ended by SIGTERM within 2 s), report every delegation they
remove, the stalled one but the line it gave up.
Run with --bin naming the folder of telvdelegate and telvemu.
"""

import collections
import fcntl
import os
import random
import re
import resource
import signal
import sqlite3
import subprocess
import sys
import termios
import time

from emulated_servers import (Failure, build_environment, fold, make_attributes, make_user_ids,
                              read_database, run_in_folder, run_ok, test_arguments,
                              write_listing)

SERVER = "srv"
PAIRS = 400
RUNS = 24
SIGNALS = (signal.SIGINT, signal.SIGTERM, signal.SIGHUP, signal.SIGQUIT, signal.SIGUSR1,
           signal.SIGALRM, signal.SIGRTMIN + 1)
FAULTS = (signal.SIGABRT, signal.SIGILL)  # sent by another process: held like the rest
SECOND = signal.SIGRTMAX  # never delivered before another signal: it has the highest number
REMOVED = re.compile(r"^Delegate removed:  (\S+) <- (\S+)$")


def check_blocking(writer, when):
    if not os.get_blocking(writer):
        raise Failure("standard output's pipe was left non-blocking " + when)


def interrupted(args, workdir, env, trigger, count, sigs, listing=b"", ignored=(), lock=None,
                kill=False):
    """Runs telvdelegate with standard input open, so that it cannot end
    first, until sigs are sent soon after count lines starting with trigger;
    returns the exit status and the output. A database connection as lock
    holds the server from the connect until then, and the test looks at the
    flags of its own copy of the pipe's write end meanwhile, and after
    SIGKILL if kill. The signals the test
    catches, exec gives their default action back; those ignored stay so."""
    for sig in SIGNALS + (SECOND,):
        signal.signal(sig, signal.SIG_IGN if sig in ignored else signal.default_int_handler)
    reader, writer = os.pipe()
    proc = subprocess.Popen(["telvdelegate"] + args, cwd=workdir, env=env,
                            stdin=subprocess.PIPE, stdout=writer)
    if not lock:
        os.close(writer)
    fcntl.fcntl(reader, getattr(fcntl, "F_SETPIPE_SZ", 1031), 1 << 20)
    lines, seen = [], 0
    for line in os.fdopen(reader, "rb"):  # read to the end: a closed pipe would end the run by itself
        lines.append(line.decode("latin-1"))
        if line.startswith(b"Connected to"):
            if lock:
                lock.execute("BEGIN IMMEDIATE")
            proc.stdin.write(listing)
            proc.stdin.flush()
        seen += line.startswith(trigger)
        if seen == count and line.startswith(trigger):
            # At any point of the unit in progress; with a lock, once it waits on it.
            time.sleep(0.05 if lock else random.uniform(0, 0.002))
            for sig in sigs:
                proc.send_signal(sig)
            if lock:
                time.sleep(0.05)  # the signal held
                check_blocking(writer, "while a signal was held")
                if kill:
                    proc.kill()
                    proc.wait()
                    check_blocking(writer, "by SIGKILL")
                os.close(writer)
                lock.execute("ROLLBACK")
            proc.stdin.close()
    return proc.wait(), lines


def stalled_delete(workdir, env):
    """A delete into a pipe that nobody reads, sent SIGTERM once it waits."""
    reader, writer = os.pipe()
    proc = subprocess.Popen(["telvdelegate", "-d", "big", "*", "*"], cwd=workdir, env=env,
                            stdin=subprocess.DEVNULL, stdout=writer)
    os.close(writer)
    sizes = [-1]
    while sizes[-4:] != sizes[-1:] * 4:  # the pipe unchanged for 0.3 s
        time.sleep(0.1)
        sizes.append(int.from_bytes(fcntl.ioctl(reader, termios.FIONREAD, bytes(4)), sys.byteorder))
    proc.send_signal(signal.SIGTERM)
    sent = time.monotonic()
    status = proc.wait(timeout=2)
    print("a delete waiting on its reader ended %.3f s after SIGTERM" % (time.monotonic() - sent))
    with os.fdopen(reader, "rb") as output:
        return status, output.read().decode("latin-1").splitlines()


def pairs_on(database):
    db = sqlite3.connect(database)  # closed as the last reference goes
    return collections.Counter(db.execute("SELECT delegator, delegate FROM delegations"))


def run_test(workdir, bin_dir):
    env = build_environment(workdir, bin_dir)
    resource.setrlimit(resource.RLIMIT_CORE, (0, resource.getrlimit(resource.RLIMIT_CORE)[1]))
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

    for run in range(RUNS + 1):
        sigs, ignored, lock = (SIGNALS[run % len(SIGNALS)], SECOND), (), None
        # Some lines before the end, so that the signal always comes first.
        count = rng.randint(1, PAIRS - 50)
        if run % 3 == 2:
            run_ok(["telvemu", "fault", SERVER, "save", *pairs[0], "42", "1"], workdir, env)
            count, lock = 1, sqlite3.connect(database, isolation_level=None)
            if run % 6 == 5:
                sigs = (FAULTS[run // 6 % 2], SECOND)
        if run == RUNS:
            sigs = ignored = (signal.SIGHUP, signal.SIGINT)
        with open(os.path.join(workdir, "v%d.txt" % (run % 2 ^ 1)), "rb") as listing:
            status, lines = interrupted(["-i", "-", SERVER], workdir, env, b"Replace existing", count,
                                    sigs, listing.read(), ignored, lock, run == 2)
        if status != (-signal.SIGKILL if run == 2 else 0 if ignored else -sigs[0]):
            raise Failure("run %d: the load got %s but exited %d" % (run, sigs, status))
        if lock and run != 2 and not any(line.startswith("Restored previous") for line in lines):
            raise Failure("run %d: %s was not held until the restore" % (run, sigs[0]))
        rows = [row for _, row in read_database(database)]
        stored = collections.Counter((fold(row[5]), fold(row[6])) for row in rows)
        wrong = [row for row in rows if row not in allowed[(fold(row[5]), fold(row[6]))]]
        missing = [pair for pair in allowed if stored[pair] != 1]
        if missing or wrong:
            raise Failure("run %d, after %s: pairs not there exactly once: %s; rows with values"
                          " of neither file: %s" % (run, sigs, missing[:5], wrong[:5]))
    print("%d interrupted loads, every pair kept" % RUNS)

    big = os.path.join(workdir, "servers", "big.db")
    run_ok(["telvemu", "create", "big"], workdir, env)
    run_ok(["telvemu", "seed", "big", "12000", "3"], workdir, env)
    for run, sig in enumerate(SIGNALS * 2 + (signal.SIGTERM,)):
        stalled = run == len(SIGNALS) * 2
        if stalled:  # ten thousand more to delete, whatever the others removed
            run_ok(["telvemu", "seed", "big", "10000", "4"], workdir, env)
        before = pairs_on(big)
        status, lines = stalled_delete(workdir, env) if stalled else interrupted(
            ["-d", "big", "*", "*"], workdir, env, b"Delegate removed", rng.randint(1, 60),
            (sig, SECOND))
        reported = collections.Counter(m.groups() for m in map(REMOVED.match, lines) if m)
        removed = before - pairs_on(big)
        # Only the stalled delete may give up a line: that of its last removal.
        if status != -sig or reported - removed or sum((removed - reported).values()) > stalled:
            raise Failure("delete %d, after %s: exited %d; not reported: %s; reported, not removed:"
                          " %s" % (run, sig, status, list(removed - reported)[:5],
                                   list(reported - removed)[:5]))
    print("%d interrupted deletes, every removal reported; the last, of %d delegations, stalled"
          " and gave up %d line" % (run + 1, sum(before.values()),
                                    sum((removed - reported).values())))


def main():
    parser = test_arguments(__doc__)
    options = parser.parse_args()
    return run_in_folder("interrupted_load.", options.keep,
                         lambda workdir: run_test(workdir, options.bin))


if __name__ == "__main__":
    sys.exit(main())
