#!/usr/bin/env python3
"""Two loads into one server at once, with listings running beside them.

The emulated server is meant to be shared by several processes: each save
is its own write transaction, each list one read snapshot. A load replaces
pairs by reading the delegate's list, removing what matches and saving the
new delegation, so two loads whose delegations share delegators and
delegates keep reading and writing the same per-delegate lists. Their pairs
are disjoint, so neither may ever see the other's delegations as something
to replace.

What this proves:
  - both loads report every line of their file as loaded, with no error and
    no replacement, and exit 0;
  - every listing taken meanwhile ends with its summary, its lines parse,
    are sorted, agree with its summary, and show one snapshot: the seeded
    delegations plus a prefix of each file, since each load stores its
    lines in order and commits each;
  - the server then holds exactly the seeded delegations and both files',
    none lost and none doubled, as telvemu dump, a listing and SQLite itself
    see it, and the database passes its integrity check.

Run with --bin naming the folder of telvdelegate and telvemu.
"""

import collections
import os
import random
import re
import subprocess
import sys
import time

from emulated_servers import (LIST_SUMMARY, LOAD_SUMMARY, LOADED, PROBLEM, Failure,
                              build_environment, dump, fold, make_attributes, make_user_ids,
                              read_database, run, run_in_folder, run_ok, test_arguments,
                              write_listing)

SERVER = "srv"
LINES_PER_FILE = 10000
SEEDED = 500
# Users shared by both files: with this many, each delegate's list holds
# about a hundred delegations, which both loads read while they save.
DELEGATORS = 150
DELEGATES = 150
# Between listings, so that they take turns with the loads rather than
# crowd them out: a listing reads the whole server.
LISTING_PAUSE_SECONDS = 0.2
LOADS_TIMEOUT_SECONDS = 600

LONG_LINE = re.compile(
    r"^([0-9A-F]{4,8}) ([0-9A-F]{8}) ([0-9A-F]{8}) ([0-9A-F]{8}) ([0-9A-F]{8}) (\S+) (\S+)( \*)?$"
)
SHORT_LINE = re.compile(r"^ *(\d+) +(\d+)  (\S+) (\S+)( \*)?$")


def in_other_case(rng, user_id):
    return rng.choice([user_id, user_id.upper(), user_id.lower(), user_id.swapcase()])


def make_delegations(seed, lines_per_file):
    """The seeded delegations and the two files' delegations, in file order.

    Each is (type, mask1..mask4, delegator, delegate). Pairs are unique
    ignoring case across all three, while the users are the same few
    hundred, now and then written in another case.
    """
    rng = random.Random(seed)
    delegators = make_user_ids(rng, DELEGATORS, "ABCDEFGHJKLMNPRSTW")
    delegates = make_user_ids(rng, DELEGATES, "abcdefghjkmnprstw")
    wanted = SEEDED + 2 * lines_per_file
    pairs = rng.sample([(x, y) for x in delegators for y in delegates], wanted)
    rows = []
    for delegator, delegate in pairs:
        if rng.random() < 0.1:
            delegator = in_other_case(rng, delegator)
        if rng.random() < 0.1:
            delegate = in_other_case(rng, delegate)
        rows.append(make_attributes(rng) + (delegator, delegate))
    return rows[:SEEDED], rows[SEEDED:SEEDED + lines_per_file], rows[SEEDED + lines_per_file:]


def check_load(name, rows, status, lines):
    """A load must report each of its lines as loaded, in file order, and
    nothing else: no error (each would have to be reported), no replace."""
    problems = [line for line in lines if PROBLEM.match(line)]
    if problems:
        raise Failure("load %s reported delegations it did not store (%d), first ones:\n%s"
                      % (name, len(problems), "\n".join(problems[:10])))
    replaced = [line for line in lines if line.startswith("Replace existing delegate")]
    if replaced:
        raise Failure("load %s replaced pairs that only the other load or nobody stored:\n%s"
                      % (name, "\n".join(replaced[:10])))
    loaded = [m.groups() for m in map(LOADED.match, lines) if m]
    expected = [(row[5], row[6]) for row in rows]
    if loaded != expected:
        missing = collections.Counter(expected) - collections.Counter(loaded)
        extra = collections.Counter(loaded) - collections.Counter(expected)
        raise Failure("load %s: %d 'Delegate loaded' lines for %d file lines; not reported: %s;"
                      " unexpected: %s" % (name, len(loaded), len(expected),
                                           list(missing)[:5], list(extra)[:5]))
    summaries = [m.groups() for m in map(LOAD_SUMMARY.match, lines) if m]
    want = (str(len(rows)), str(len(rows) + 1), "0")
    if summaries != [want]:
        raise Failure("load %s: summary %s, expected Delegates added:%s, lines:%s errors:%s"
                      % (name, summaries, *want))
    if status != 0:
        raise Failure("load %s exited %d" % (name, status))


def check_sorted_groups(what, pairs, delegators):
    """Sorted by delegator, then delegate, ignoring case; no pair twice, so no
    repeat mark; the delegator count is that of the case-folded groups."""
    keys = [(fold(x), fold(y)) for x, y in pairs]
    for i in range(1, len(keys)):
        if keys[i - 1] >= keys[i]:
            raise Failure("%s: line %d %s does not sort after %s"
                          % (what, i + 1, pairs[i], pairs[i - 1]))
    groups = len({key[0] for key in keys})
    if groups != delegators:
        raise Failure("%s: summary says %d delegators, the lines hold %d"
                      % (what, delegators, groups))


def parse_summary(what, lines):
    summaries = [m for m in map(LIST_SUMMARY.match, lines) if m]
    if len(summaries) != 1:
        raise Failure("%s: no single summary line:\n%s" % (what, "\n".join(lines[-10:])))
    return int(summaries[0].group(1)), int(summaries[0].group(2))


def parse_long_listing(what, path, summary_lines):
    """The delegations of a listing file, checked against its own summary."""
    delegators, count = parse_summary(what, summary_lines)
    with open(path, encoding="latin-1") as f:
        text = f.read()
    lines = text.splitlines()
    if count == 0:
        if text:
            raise Failure("%s: an empty listing wrote %r" % (what, text[:80]))
        return []
    if not text.endswith("\n") or lines[:1] != ["FORMAT 1"] or len(lines) != count + 1:
        raise Failure("%s: %d lines for a summary of %d delegations, header %r"
                      % (what, len(lines) - 1, count, lines[:1]))
    rows = []
    for number, line in enumerate(lines[1:], 2):
        m = LONG_LINE.match(line)
        if not m or m.group(8):
            raise Failure("%s: line %d does not parse or repeats a pair: %r" % (what, number, line))
        rows.append(tuple(int(v, 16) for v in m.groups()[:5]) + m.groups()[5:7])
    check_sorted_groups(what, [row[5:] for row in rows], delegators)
    return rows


def parse_short_listing(what, lines):
    """The pairs of a short listing on standard output, with its numbering
    and summary checked."""
    delegators, count = parse_summary(what, lines)
    try:
        start = lines.index("Sorting delegates list...") + 1
    except ValueError:
        raise Failure("%s: no 'Sorting delegates list...' line" % what)
    body = lines[start:start + count]
    pairs, group = [], 0
    for number, line in enumerate(body, 1):
        m = SHORT_LINE.match(line)
        if not m or m.group(5) or int(m.group(2)) != number:
            raise Failure("%s: line %d wrong: %r" % (what, number, line))
        if int(m.group(1)) not in (group, group + 1):
            raise Failure("%s: group number jumps at %r" % (what, line))
        group = int(m.group(1))
        pairs.append((m.group(3), m.group(4)))
    if len(pairs) != count or not LIST_SUMMARY.match((lines + [""])[start + count]):
        raise Failure("%s: %d lines before the summary, which says %d"
                      % (what, len(pairs), count))
    check_sorted_groups(what, pairs, delegators)
    if group != delegators:
        raise Failure("%s: last group number %d, summary %d" % (what, group, delegators))
    return pairs


def check_snapshot(what, listed, seeded, file_a, file_b, key):
    """A listing is one snapshot: the seeded delegations, and of each file
    the lines up to some point, since each load commits its lines in order."""
    listed = collections.Counter(map(key, listed))
    if any(n > 1 for n in listed.values()):
        raise Failure("%s: a delegation listed twice" % what)
    rest = set(listed)
    for row in seeded:
        if key(row) not in rest:
            raise Failure("%s: seeded delegation %s missing" % (what, row))
        rest.discard(key(row))
    prefixes = []
    for name, rows in (("a", file_a), ("b", file_b)):
        present = [key(row) in rest for row in rows]
        stored = present.count(True)
        if present[:stored] != [True] * stored:
            raise Failure("%s: of file %s holds %d lines but not the first %d (line %d missing)"
                          % (what, name, stored, stored, present.index(False) + 2))
        rest.difference_update(key(row) for row in rows[:stored])
        prefixes.append(stored)
    if rest:
        raise Failure("%s: delegations from no file: %s" % (what, sorted(rest)[:5]))
    return prefixes


def compare_rows(what, actual, expected):
    actual, expected = collections.Counter(actual), collections.Counter(expected)
    if actual != expected:
        raise Failure("%s: %d delegations missing, %d extra or doubled; missing %s, extra %s"
                      % (what, sum((expected - actual).values()), sum((actual - expected).values()),
                         list(expected - actual)[:3], list(actual - expected)[:3]))


def pair_of(row):
    return (row[-2], row[-1])


def run_test(workdir, bin_dir, lines_per_file):
    env = build_environment(workdir, bin_dir)
    seeded, file_a, file_b = make_delegations(20240611, lines_per_file)
    write_listing(os.path.join(workdir, "seed.txt"), seeded)
    write_listing(os.path.join(workdir, "a.txt"), file_a)
    write_listing(os.path.join(workdir, "b.txt"), file_b)

    run_ok(["telvemu", "create", SERVER], workdir, env)
    check_load("seed", seeded, *run(["telvdelegate", "-i", "seed.txt", SERVER], workdir, env))

    started = time.monotonic()
    loads = {}
    for name in ("a", "b"):
        out = open(os.path.join(workdir, name + ".out"), "wb")
        loads[name] = (subprocess.Popen(["telvdelegate", "-i", name + ".txt", SERVER],
                                        cwd=workdir, env=env, stdin=subprocess.DEVNULL,
                                        stdout=out, stderr=subprocess.STDOUT), out)
    listings = []
    try:
        while any(proc.poll() is None for proc, _ in loads.values()):
            if time.monotonic() - started > LOADS_TIMEOUT_SECONDS:
                raise Failure("the loads did not end within %d s" % LOADS_TIMEOUT_SECONDS)
            number = len(listings) + 1
            if number % 2:
                path = os.path.join(workdir, "list%d.txt" % number)
                args = ["telvdelegate", "-o", path, SERVER]
            else:
                path, args = None, ["telvdelegate", SERVER]
            status, lines = run(args, workdir, env)
            listings.append((number, status, lines, path))
            time.sleep(LISTING_PAUSE_SECONDS)
    finally:
        for proc, out in loads.values():
            if proc.poll() is None:
                proc.kill()
            proc.wait()
            out.close()
    elapsed = time.monotonic() - started

    for name, rows in (("a", file_a), ("b", file_b)):
        with open(os.path.join(workdir, name + ".out"), encoding="latin-1") as f:
            check_load(name, rows, loads[name][0].returncode, f.read().splitlines())

    seen = []
    for number, status, lines, path in listings:
        what = "listing %d (%s)" % (number, "long, -o" if path else "short")
        if status != 0:
            raise Failure("%s exited %d:\n%s" % (what, status, "\n".join(lines[-10:])))
        # A short listing shows only the pairs.
        if path:
            listed, key = parse_long_listing(what, path, lines), tuple
        else:
            listed, key = parse_short_listing(what, lines), pair_of
        seen.append(check_snapshot(what, listed, seeded, file_a, file_b, key))

    expected = seeded + file_a + file_b
    compare_rows("telvemu dump", [row for _, row in dump(SERVER, workdir, env)], expected)
    final_lines = run_ok(["telvdelegate", "-o", "final.txt", SERVER], workdir, env)
    final = parse_long_listing("final listing", os.path.join(workdir, "final.txt"), final_lines)
    compare_rows("final listing", final, expected)
    database = [row for _, row in read_database(os.path.join(workdir, "servers", SERVER + ".db"))]
    compare_rows("the database", database, expected)

    # The loads must have taken turns at the server, or this proved nothing
    # about running them at once: count how often the storage order passes
    # from one file's delegations to the other's.
    origin = {row: name for name, rows in (("a", file_a), ("b", file_b)) for row in rows}
    order = [origin[row] for row in database if row in origin]
    turns = sum(1 for i in range(1, len(order)) if order[i] != order[i - 1])
    if turns < 10:
        raise Failure("the loads barely overlapped (%d turns between them); nothing was"
                      " tested about running them at once" % turns)
    interleaved = sum(1 for a, b in seen if 0 < a < len(file_a) and 0 < b < len(file_b))
    print("loads took %.1f s, %d turns between them; %d listings meanwhile, %d of them in the"
          " middle of both loads; %d delegations on the server"
          % (elapsed, turns, len(listings), interleaved, len(database)))


def main():
    parser = test_arguments(__doc__)
    parser.add_argument("--lines", type=int, default=LINES_PER_FILE,
                        help="delegations in each file (default %(default)s)")
    options = parser.parse_args()
    return run_in_folder("concurrent_loads.", options.keep,
                         lambda workdir: run_test(workdir, options.bin, options.lines))


if __name__ == "__main__":
    sys.exit(main())
