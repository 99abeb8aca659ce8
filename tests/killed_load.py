#!/usr/bin/env python3
"""A load killed half-way leaves the server whole and usable.

Each save of the emulated server is one transaction, and so is each
removal, so a load that dies by SIGKILL must leave every delegation fully
stored or absent: never a half-written row, never a pair twice. The tool
works through its file in order, so which delegations are there follows
from the "Delegate loaded" lines it printed before it died: n of them mean
the file's first n lines are stored, the lines after the next one are
untouched, and the pair of line n+1 is as it was before, already stored
anew, or absent, should the kill have come between removing the old
delegation and saving the new one.

The file replaces some of the server's own delegations, in any case of the
user IDs, and the load is killed at several points, each run starting over
on the server the killed one left, so later runs replace what earlier ones
stored. After each kill the database passes its integrity check, its rows
are exactly what the printed lines allow, and fresh processes can dump and
list it. A last run then completes and leaves exactly the file's
delegations and the untouched originals.

Run with --bin naming the folder of telvdelegate and telvemu.
"""

import collections
import os
import random
import signal
import sqlite3
import subprocess
import sys
import time

from emulated_servers import (LIST_SUMMARY, LOAD_SUMMARY, LOADED, PROBLEM, REPLACE, Failure,
                              build_environment, dump, fold, make_attributes, make_user_ids,
                              read_database, run_in_folder, run_ok, test_arguments,
                              write_listing)

SERVER = "srv"
# The delegations on the server, how many of them the file gives new
# attributes, the file's lines, and the "Delegate loaded" lines after which
# each run is killed, as `how` says:
#   "now"      at once;
#   "replace"  at the next "Replace existing delegate" line, which the tool
#              prints just before it removes the old delegation;
#   "between"  once it is caught, stopped, with the old delegation of a
#              pair removed and the new one not yet to be seen.
# The last run completes.
ORIGINALS = 3000
REPLACED = 1000
FILE_LINES = 20000
KILL_POINTS = ((2000, "now"), (6000, "between"), (11000, "replace"))
# A stop lands between the removal and the save in about one try of four.
STOP_TRIES = 300
PAIR_CHECK_ERRORS = collections.Counter()


def pair_key(row):
    """A delegation's pair as the tool finds it: ignoring ASCII case."""
    return (fold(row[5]), fold(row[6]))


def make_delegations(seed):
    """The server's original delegations and the file's, in file order.

    Each is (type, mask1..mask4, delegator, delegate), every pair unique
    ignoring case, but for REPLACED file lines that take an original's pair,
    now and then in another case, with new attributes.
    """
    rng = random.Random(seed)
    delegators = make_user_ids(rng, 300, "ABCDEFGHJKLMNPRSTW")
    delegates = make_user_ids(rng, 300, "abcdefghjkmnprstw")
    pairs = rng.sample([(x, y) for x in delegators for y in delegates],
                       ORIGINALS + FILE_LINES - REPLACED)
    originals = [make_attributes(rng) + pair for pair in pairs[:ORIGINALS]]
    lines = [make_attributes(rng) + pair for pair in pairs[ORIGINALS:]]
    for original in rng.sample(originals, REPLACED):
        delegator, delegate = original[5:]
        if rng.random() < 0.3:
            delegator = rng.choice([delegator.upper(), delegator.lower()])
        if rng.random() < 0.3:
            delegate = rng.choice([delegate.upper(), delegate.lower()])
        lines.append(make_attributes(rng) + (delegator, delegate))
    rng.shuffle(lines)
    return originals, lines


def stop(proc):
    """Stops the process and waits until it is stopped; false when it ended."""
    proc.send_signal(signal.SIGSTOP)
    while True:
        try:
            with open("/proc/%d/stat" % proc.pid) as f:
                state = f.read().rsplit(")", 1)[1].split()[0]
        except OSError:
            return False
        if state in ("T", "t"):
            return True
        if state in ("Z", "X"):
            return False
        time.sleep(0.0002)


def pair_absent(database, row):
    """Whether the committed state lacks the pair. A process stopped at
    some points of its transaction holds locks that keep a reader out;
    that counts as not knowing, so not absent."""
    db = sqlite3.connect(database, timeout=0.1)
    try:
        return db.execute("SELECT count(*) FROM delegations WHERE delegator = ? COLLATE NOCASE"
                          " AND delegate = ? COLLATE NOCASE", row[5:]).fetchone()[0] == 0
    except sqlite3.OperationalError as error:
        PAIR_CHECK_ERRORS[str(error)] += 1
        return False
    finally:
        db.close()


def killed_load(workdir, env, database, file_rows, kill_after, how):
    """Runs the load and kills it once kill_after delegations were reported
    loaded, as `how` says; returns every line it printed, those still in
    the pipe too.

    The pipe is read as it comes, so that a replace line that ends what
    was there is one the tool has only just printed: it is then removing
    the old delegation, or about to save the new one."""
    proc = subprocess.Popen(["telvdelegate", "-i", "load.txt", SERVER], cwd=workdir, env=env,
                            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT)
    output, pending, loaded, tries = [], b"", 0, 0
    try:
        while True:
            chunk = os.read(proc.stdout.fileno(), 1 << 16)
            if not chunk:
                break
            *lines, pending = (pending + chunk).split(b"\n")
            output.extend(lines)
            loaded += sum(1 for line in lines if line.startswith(b"Delegate loaded: "))
            if loaded < kill_after:
                continue
            if how == "now":
                break
            fresh = not pending and lines and lines[-1].startswith(b"Replace existing delegate: ")
            if not fresh:
                continue
            if how == "replace":
                break
            # The line being replaced is the file's next after those loaded;
            # while its pair is absent, the tool stands between the two. Now
            # and then the stop comes just after the save wrote its commit to
            # the log, before readers are shown it: the next process to open
            # the server finds it, and the pair is stored after all.
            tries += 1
            if stop(proc) and pair_absent(database, file_rows[loaded]):
                break
            if tries == STOP_TRIES:
                raise Failure("the load was never caught between removing a pair and saving"
                              " it anew, in %d tries" % tries)
            proc.send_signal(signal.SIGCONT)
        proc.kill()
        output.extend((pending + proc.stdout.read()).split(b"\n"))
    finally:
        proc.kill()
        proc.stdout.close()
        proc.wait()
    if proc.returncode != -signal.SIGKILL:
        raise Failure("the load was to be killed after %d delegations, but it exited %d"
                      % (kill_after, proc.returncode))
    return [line.decode("latin-1") for line in output]


def by_pair(rows):
    pairs = collections.defaultdict(list)
    for row in rows:
        pairs[pair_key(row)].append(row)
    return pairs


def check_output(lines, file_rows, before, complete):
    """The load reported its lines in file order, each replace of a pair
    the server held before it, and nothing it failed to store. Returns the
    number of delegations it reported loaded."""
    problems = [line for line in lines if PROBLEM.match(line)]
    if problems:
        raise Failure("the load reported delegations it did not store:\n%s"
                      % "\n".join(problems[:10]))
    loaded = [m.groups() for m in map(LOADED.match, lines) if m]
    count = len(loaded)
    if loaded != [row[5:] for row in file_rows[:count]]:
        raise Failure("the 'Delegate loaded' lines are not the file's first %d lines" % count)
    replaced = collections.Counter(m.groups() for m in map(REPLACE.match, lines) if m)
    expected = collections.Counter(row[5:] for row in file_rows[:count]
                                   if before.get(pair_key(row)))
    # The line under way when the kill came may have said so too.
    extra = replaced - expected
    in_flight = file_rows[count] if count < len(file_rows) else None
    if (expected - replaced or sum(extra.values()) > 1
            or (extra and (in_flight is None or set(extra) != {in_flight[5:]}))):
        raise Failure("replace lines %s, expected one for each of %s"
                      % (sorted(replaced)[:5], sorted(expected)[:5]))
    summaries = [m.groups() for m in map(LOAD_SUMMARY.match, lines) if m]
    if complete:
        want = (str(len(file_rows)), str(len(file_rows) + 1), "0")
        if count != len(file_rows) or summaries != [want]:
            raise Failure("the complete load reported %d delegations, summary %s"
                          % (count, summaries))
    elif summaries:
        raise Failure("the killed load reached its summary: %s" % summaries)
    return count


def check_state(rows, file_rows, before, stored):
    """The server holds what it held before the load, but for the first
    `stored` lines of the file, which are stored, and the next one, whose
    pair may be as before, absent, or stored."""
    actual = by_pair(rows)
    want = {key: list(value) for key, value in before.items()}
    for row in file_rows[:stored]:
        want[pair_key(row)] = [row]
    in_flight = file_rows[stored] if stored < len(file_rows) else None
    for key in set(actual) | set(want):
        have, expect = actual.get(key, []), want.get(key, [])
        if have == expect:
            continue
        if in_flight is not None and key == pair_key(in_flight) and have in ([], [in_flight]):
            continue
        raise Failure("after %d stored lines the pair %s is %s; expected %s%s"
                      % (stored, key, have, expect,
                         " (or absent or %s, the line under way)" % (in_flight,)
                         if in_flight is not None and key == pair_key(in_flight) else ""))


def check_fresh_processes(workdir, env, rows):
    """New processes open the server left behind: telvemu dumps exactly the
    rows SQLite holds, and a listing lists them all."""
    dumped = dump(SERVER, workdir, env)
    if dumped != rows:
        raise Failure("telvemu dump shows %d rows, SQLite %d, and they differ"
                      % (len(dumped), len(rows)))
    summaries = [m.groups() for m in map(LIST_SUMMARY.match,
                                         run_ok(["telvdelegate", SERVER], workdir, env)) if m]
    if len(summaries) != 1 or int(summaries[0][1]) != len(rows):
        raise Failure("a listing's summary %s, for %d delegations" % (summaries, len(rows)))


def run_test(workdir, bin_dir):
    env = build_environment(workdir, bin_dir)
    originals, file_rows = make_delegations(20240612)
    write_listing(os.path.join(workdir, "originals.txt"), originals)
    write_listing(os.path.join(workdir, "load.txt"), file_rows)
    database = os.path.join(workdir, "servers", SERVER + ".db")

    run_ok(["telvemu", "create", SERVER], workdir, env)
    check_output(run_ok(["telvdelegate", "-i", "originals.txt", SERVER], workdir, env),
                 originals, {}, True)

    report = []
    for kill_after, how in KILL_POINTS + ((None, None),):
        before = by_pair(row for _, row in read_database(database))
        if kill_after is None:
            lines = run_ok(["telvdelegate", "-i", "load.txt", SERVER], workdir, env)
        else:
            lines = killed_load(workdir, env, database, file_rows, kill_after, how)
        stored = check_output(lines, file_rows, before, kill_after is None)
        rows = read_database(database)
        check_state([row for _, row in rows], file_rows, before, stored)
        check_fresh_processes(workdir, env, rows)
        if kill_after is not None:
            in_flight = pair_key(file_rows[stored])
            state = by_pair(row for _, row in rows).get(in_flight, [])
            held = "held before" if before.get(in_flight) else "new"
            report.append("killed after %d: next pair (%s) %s" % (
                stored, held, "stored" if state == [file_rows[stored]]
                else "absent" if not state else "as before"))

    untouched = set(map(pair_key, originals)) - set(map(pair_key, file_rows))
    expected = collections.Counter(file_rows + [row for row in originals
                                                if pair_key(row) in untouched])
    final = collections.Counter(row for _, row in read_database(database))
    if final != expected:
        raise Failure("the server holds %d delegations, %d missing, %d extra"
                      % (sum(final.values()), sum((expected - final).values()),
                         sum((final - expected).values())))
    if PAIR_CHECK_ERRORS:
        report.append("reads refused while the load was stopped: %s" % dict(PAIR_CHECK_ERRORS))
    print("; ".join(report))
    print("final: %d delegations, %d of them untouched originals"
          % (sum(final.values()), len(untouched)))


def main():
    parser = test_arguments(__doc__)
    options = parser.parse_args()
    return run_in_folder("killed_load.", options.keep,
                         lambda workdir: run_test(workdir, options.bin))


if __name__ == "__main__":
    sys.exit(main())
