"""What the test scripts share: running the programs against emulated
servers in a folder of their own, the listing files they load, the
messages they print, and the server's database as SQLite holds it.

A delegation is a tuple (type, mask1, mask2, mask3, mask4, delegator,
delegate), as a listing line gives it.
"""

import argparse
import os
import re
import shutil
import sqlite3
import subprocess
import tempfile

RUN_TIMEOUT_SECONDS = 300

LOADED = re.compile(r"^Delegate loaded: (\S+) <- (\S+)$")
REPLACE = re.compile(r"^Replace existing delegate: (\S+) <- (\S+)$")
LOAD_SUMMARY = re.compile(r"^Delegates added:(\d+), lines:(\d+) errors:(\d+)$")
LIST_SUMMARY = re.compile(r"^delegators:(\d+), delegates:(\d+)$")
# Messages by which the tool reports a delegation it did not store.
PROBLEM = re.compile(r"^(Can't|Malformed|Delegat(or|e) name is too long|Restored)")
FOLD = str.maketrans("ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz")
BUILD_DATE = re.compile(
    r"\[Built: (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 123][0-9] [0-9]{4}\]")


class Failure(Exception):
    pass


def fold(user_id):
    """A user ID as the tool compares it: ASCII letters folded to lower case."""
    return user_id.translate(FOLD)


def mask_build_date(text):
    """text with the build date of the banner, which changes with every
    build, checked for its form and shown as "@DATE@"."""
    return BUILD_DATE.sub("[Built: @DATE@]", text)


def environment(workdir, path):
    """The programs' environment: their own servers and home in workdir, no
    real waits between connection attempts, the C locale, and PATH as
    given. Sanitizer settings pass through."""
    env = {
        "PATH": path,
        "HOME": workdir,
        "LC_ALL": "C",
        "TELVEMU_DIR": os.path.join(workdir, "servers"),
        "TELVEMU_SLEEP": "0",
    }
    for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
        if name in os.environ:
            env[name] = os.environ[name]
    return env


def build_environment(workdir, bin_dir):
    """environment() with the build's programs first on PATH."""
    return environment(workdir, os.path.abspath(bin_dir) + os.pathsep + "/usr/bin:/bin")


def run(args, workdir, env):
    """Runs a program to its end; returns (exit status, output lines)."""
    completed = subprocess.run(args, cwd=workdir, env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               timeout=RUN_TIMEOUT_SECONDS)
    return completed.returncode, completed.stdout.decode("latin-1").splitlines()


def run_ok(args, workdir, env):
    """run(), failing unless the program exits 0; returns its output lines."""
    status, lines = run(args, workdir, env)
    if status != 0:
        raise Failure("%s exited %d:\n%s" % (" ".join(args), status, "\n".join(lines[-20:])))
    return lines


def make_user_ids(rng, count, prefix):
    """count user IDs unique ignoring case, some of the full 21 characters."""
    alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-"
    ids, taken = [], set()
    while len(ids) < count:
        length = 21 if rng.random() < 0.1 else rng.randint(2, 20)
        user_id = rng.choice(prefix) + "".join(rng.choice(alphabet) for _ in range(length - 1))
        if fold(user_id) not in taken:
            taken.add(fold(user_id))
            ids.append(user_id)
    return ids


def make_attributes(rng):
    """A type code and four masks: mostly the presets' values, now and then any."""
    kind = rng.choice([0x0002, 0x0002, 0x0001, 0x0000, rng.randrange(0x10000)])
    masks = tuple(
        rng.choice([0x0FFFFFFF, 0x00000000, 0xFFFFFFFF, 0x0FFFFFF9, rng.randrange(1 << 32)])
        for _ in range(4)
    )
    return (kind,) + masks


def write_listing(path, rows):
    """A listing file of the delegations, in the order given."""
    with open(path, "w", encoding="ascii") as f:
        f.write("FORMAT 1\n")
        f.writelines("%04X %08X %08X %08X %08X %s %s\n" % row for row in rows)


def read_database(path):
    """The delegations SQLite holds, as (id, delegation) in the order they
    were stored, after its integrity check. A save from a listing line
    stores no reserved bytes, so a row that holds some was not written
    whole by one."""
    db = sqlite3.connect(path)
    try:
        check = db.execute("PRAGMA integrity_check").fetchall()
        if check != [("ok",)]:
            raise Failure("integrity_check: %s" % check)
        rows = db.execute("SELECT id, type, mask1, mask2, mask3, mask4, delegator, delegate,"
                          " reserved FROM delegations ORDER BY id").fetchall()
    finally:
        db.close()
    bad = [row for row in rows if row[8] is not None]
    if bad:
        raise Failure("%d rows hold reserved bytes, none of which were saved: %s"
                      % (len(bad), bad[:3]))
    return [(row[0], row[1:8]) for row in rows]


def dump(server, workdir, env):
    """The delegations as telvemu dump prints them, as (id, delegation)."""
    rows = []
    for line in run_ok(["telvemu", "dump", server], workdir, env):
        fields = line.split(" ")
        if len(fields) != 8:
            raise Failure("telvemu dump: bad line %r" % line)
        rows.append((int(fields[0]), tuple(int(v, 16) for v in fields[1:6]) + tuple(fields[6:])))
    return rows


def test_arguments(doc):
    """The command line of a test script that runs the built programs: its
    --bin folder, and --keep to keep the work folder."""
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--bin", required=True, help="folder of the built programs")
    parser.add_argument("--keep", action="store_true", help="keep the work folder")
    return parser


def run_in_folder(prefix, keep, test):
    """Runs test(workdir) in a new folder, removed afterwards unless keep;
    prints the outcome and returns the exit status."""
    workdir = tempfile.mkdtemp(prefix=prefix)
    try:
        test(workdir)
    except (Failure, subprocess.TimeoutExpired) as error:
        print("FAILED: %s" % error)
        if keep:
            print("work folder kept: %s" % workdir)
        return 1
    finally:
        if not keep:
            shutil.rmtree(workdir, ignore_errors=True)
    print("ok")
    return 0
