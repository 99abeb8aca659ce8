#!/usr/bin/env python3
"""Runs one transcript: shell commands with their exact expected output.

A transcript is a text file. Lines indented by two blanks and starting with
"$ " are commands; the indented lines after a command are its expected
output, byte for byte (an empty output line is two blanks alone). A last
output line "[N]" is a non-zero exit status. Any line not indented is a
comment. Standard error is merged into standard output, so a sanitizer
report or a stray message shows up as a difference. A line in which the
emulated library reports a fault of its caller (a list left open, a call
made with messages still unflushed) fails the transcript even where it was
expected.

Each transcript runs in a fresh folder with its own emulated servers
(TELVEMU_DIR), without real waits between connection attempts, with the
build's bin folder first on PATH, so that commands name telvdelegate and
telvemu plainly. Output lines that lack a final line end are marked
" (no-eol)". The build date in the banner is checked for its form and shown
as "@DATE@", since it changes with every build.

An expected output line may be a macro for lines that frame a run, so that
a transcript compares every line of a run without restating its frame:

  @BANNER@               the title, "Version 1.0 [Built: @DATE@]", ""
  @CONNECTED server@     those of @BANNER@, the library's own API version,
                         "Server: server", the "Connecting", "Connect(1)"
                         and "Connected" lines for server, ""
  @DISCONNECTED server@  "", "Disconnect from Telvane server: server,
                         server", "Disconnected"
  @USAGE@                the usage text that follows the message before it,
                         from its first, empty line to its last

A frame that differs (a retry, another API version, the server's own name
in the disconnect line) is written out. NAME.t.err (below) writes each
whole frame as its macro, so that it can replace the transcript as it is.

On a difference the actual transcript is written beside the file as
NAME.t.err (NAME.valgrind.t.err with --valgrind, NAME.wine.t.err with
--wine), and a unified diff is
printed; the exit status is then 1.

With --valgrind every telvdelegate that the commands start runs under
valgrind's memcheck, the emulated library in it included: a folder with a
small wrapper script of that name comes first on PATH, which execs valgrind
on the real program of the build (so it still finds libtelvwin32.so by its
run path). telvemu, which only sets up and shows the emulated servers, runs
plainly: under memcheck its runs took three fifths of the valgrind runs'
time, and the sanitizer build checks it in every transcript.
Each process writes its own valgrind log, apart from the compared output,
which must still match exactly. After each command the runner reads the
logs; a log that reports any error (an invalid read or write, a use of an
uninitialised value, a bad free), a definitely or indirectly lost block, or
that lacks its closing error summary (the process was killed), fails the
transcript and is printed whole. So does a transcript in which telvdelegate
never ran, since its valgrind run would then prove nothing.
valgrind.supp beside this script, if present, suppresses known errors
inside system libraries only.

Under the wrappers a command that looks up a program's path, such as
"$(command -v telvdelegate)", finds the wrapper script, not the program.
A transcript that inspects the program file that way, or that takes too
long under memcheck (each run of a program costs about a second more, and
its own work many times more), is left out of the valgrind run by a
comment line starting with "valgrind: skip", best followed by the reason:

  valgrind: skip, it reads the program file rather than running it

--valgrind then exits with status 77 without running anything (ctest
reports the test as skipped); without --valgrind the line is an ordinary
comment.

With --wine the programs are the Windows build's telvdelegate.exe and
telvemu.exe, run under Wine: wrapper scripts named telvdelegate and telvemu
come first on PATH and run them through wine/wine_console.py, which checks that
every line of their standard output ends in CR LF and hands it on with a
plain line end, so that the Linux transcripts hold for Windows as they
stand. Wine's own prefix (WINEPREFIX) is the one given, made once for all
transcripts; Wine's diagnostics are off, but for its errors, which
wine_console.py keeps apart from the program's.
"""

import argparse
import difflib
import os
import re
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile

from emulated_servers import environment, mask_build_date

STATUS = re.compile(r"^\[(\d+)\]$")
CALLER_FAULT = re.compile(r"telvemu: caller fault: ")
COMMAND_TIMEOUT_SECONDS = 300
# The lines that frame a run, which a transcript may write as macros.
MACRO = re.compile(r"^@(BANNER|USAGE|(?:CONNECTED|DISCONNECTED) .+)@$")
BANNER = ["TelvDelegate - Manage in-box delegates on a Telvane server",
          "Version 1.0 [Built: @DATE@]", ""]
DISCONNECT = "Disconnect from Telvane server: "
USAGE = ["",
         "usage:  telvdelegate [-option...] [-s] serverID [userID...]",
         "        telvdelegate [-option...] [-s] serverID userID delegateID...",
         "",
         "Options:",
         "    -s host     Telvane server name or IP address.",
         "    -aa         Add delegates with all permissions.",
         "    -ae         Add delegates with editor permissions.",
         "    -an         Add delegates with no permissions.",
         "    -ao         Add delegates with owner permissions.",
         "    -ar         Add delegates with reviewer permissions.",
         "    -d          Delete delegates.",
         "    -n          Dry run: show what would change, change nothing.",
         "    -q          Quiet: only failures and totals, no line per delegate.",
         "    -l          Long (verbose) format.",
         "    -i file     Input file to load.",
         "    -o file     Output file (default is standard output).",
         "    -c file     Compare an output file (-o) with the server, change nothing.",
         "",
         "If no delegator user-IDs are specified, a list of all delegates is printed.",
         "User names may contain '?' and '*' wildcard characters.",
         "Adding (-a) or deleting (-d) delegates requires both a delegator and a",
         "delegatee user-ID.",
         "An input file (-i) to load must be the output file (-o) from a previous run."]

# The programs a transcript runs by name, which --wine wraps.
PROGRAMS = ("telvdelegate", "telvemu")
# A status neither program ever gives, so that a run with valgrind errors
# also shows as a difference in the compared output.
VALGRIND_ERROR_STATUS = 97
# ctest's SKIP_RETURN_CODE for a transcript left out of the valgrind run.
SKIP_STATUS = 77
VALGRIND_SKIP = re.compile(r"valgrind: skip\b")
ERROR_SUMMARY = re.compile(rb"^==\d+== ERROR SUMMARY: ([0-9,]+) errors? from", re.M)
LOST = re.compile(rb"^==\d+== +(definitely|indirectly) lost: ([0-9,]+) bytes", re.M)


def frame(line):
    """The lines that a macro line stands for, or None for any other line."""
    match = MACRO.match(line)
    if match is None:
        return None
    kind, _, name = match.group(1).partition(" ")
    if kind == "DISCONNECTED":
        return ["", "%s%s, %s" % (DISCONNECT, name, name), "Disconnected"]
    if kind == "BANNER":
        return BANNER
    if kind == "USAGE":
        return USAGE
    # The emulated library's own version stamp, unless TELVEMU_API_VERSION sets one.
    return BANNER + ["Telvane API version: 12/06/2008 00:00:00Z", "Server: " + name,
                     "Connecting to Telvane server: " + name,
                     "Connect(1) to Telvane server: " + name,
                     "Connected to Telvane server:  " + name, ""]


def fold(lines):
    """lines with each whole frame in them written as its macro."""
    folded, i = [], 0
    while i < len(lines):
        # Each name is read where it would stand; frame() checks the rest.
        server = lines[i + 4][len("Server: "):] if i + 4 < len(lines) else ""
        names = lines[i + 1][len(DISCONNECT):] if i + 1 < len(lines) else ""
        for macro in ("@CONNECTED %s@" % server, "@BANNER@", "@USAGE@",
                      "@DISCONNECTED %s@" % names[:len(names) // 2 - 1]):
            framed = frame(macro)
            if framed and lines[i:i + len(framed)] == framed:
                break
        else:
            macro, framed = lines[i], [lines[i]]
        folded.append(macro)
        i += len(framed)
    return folded


def parse(lines):
    """Yields (comment lines, command, expected output lines) in order."""
    blocks = []
    for line in lines:
        if line.startswith("  $ "):
            blocks.append(["command", line[4:], []])
        elif line.startswith("  ") and blocks and blocks[-1][0] == "command":
            blocks[-1][2].append(line[2:])
        else:
            blocks.append(["comment", line, None])
    return blocks


def run(command, workdir, env):
    # A session of its own, so that a command past its time is ended with
    # everything it started: the programs under valgrind are grandchildren,
    # and one left running would keep the output pipe open.
    process = subprocess.Popen(
        ["bash", "-c", command],
        cwd=workdir,
        env=env,
        stdin=subprocess.DEVNULL,
        stdout=subprocess.PIPE,
        stderr=subprocess.STDOUT,
        start_new_session=True,
    )
    try:
        stdout, _ = process.communicate(timeout=COMMAND_TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.communicate()
        raise
    # latin-1 keeps every byte as one character, so nothing is lost or
    # rejected when the tool prints bytes that are not UTF-8.
    text = mask_build_date(stdout.decode("latin-1"))
    lines = text.split("\n")
    if lines[-1] == "":
        lines.pop()
    elif lines:
        lines[-1] += " (no-eol)"
    if process.returncode != 0:
        lines.append("[%d]" % process.returncode)
    return lines


def write_wrapper(wrapdir, name, words, prelude=""):
    """Writes the script wrapdir/name, which runs the shell lines of prelude,
    then execs words with its arguments."""
    path = os.path.join(wrapdir, name)
    with open(path, "w") as f:
        f.write("#!/bin/sh\n%sexec %s \"$@\"\n"
                % (prelude, " ".join(shlex.quote(w) for w in words)))
    os.chmod(path, 0o755)


def write_valgrind_wrappers(valgrind, bindir, wrapdir, logdir):
    """Writes a telvdelegate script that runs the real one under memcheck."""
    suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "valgrind.supp")
    arguments = [
        valgrind,
        "--tool=memcheck",
        "--leak-check=full",
        "--show-leak-kinds=definite,indirect",
        "--errors-for-leak-kinds=definite,indirect",
        "--error-exitcode=%d" % VALGRIND_ERROR_STATUS,
        "--num-callers=40",
        # No gdb server, and so no pipes of its own in the temporary folder.
        "--vgdb=no",
    ]
    if os.path.exists(suppressions):
        arguments.append("--suppressions=" + suppressions)
    # The shell opens the log, as descriptor 9: valgrind would open it on the
    # lowest free one, and so hand a standard stream that the command closed
    # to the program as open. $$ is valgrind's process ID.
    write_wrapper(wrapdir, "telvdelegate",
                  arguments + ["--log-fd=9", os.path.join(bindir, "telvdelegate")],
                  "exec 9>%s/telvdelegate.$$.log\n" % shlex.quote(logdir))


def write_wine_wrappers(wine, bindir, wrapdir):
    """Writes telvdelegate and telvemu scripts that run the .exe files under Wine."""
    console = os.path.join(os.path.dirname(os.path.abspath(__file__)), "wine", "wine_console.py")
    for name in PROGRAMS:
        write_wrapper(wrapdir, name,
                      [sys.executable, console, wine, os.path.join(bindir, name + ".exe")])


def start_wine_server(wine, env):
    """Starts Wine's server and its background programs for the prefix, to
    stay a while, unless they run already.

    The first Windows program of a prefix starts them, and they inherit its
    standard output: started by a command, they would hold that command's
    output open, and so delay its end, for as long as they linger after
    their last program. Started here they hold nothing of a command's."""
    server = os.path.join(os.path.dirname(os.path.realpath(wine)), "wineserver")
    quiet = dict(env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                 stderr=subprocess.DEVNULL)
    # Exits at once with status 2 when the server runs already.
    subprocess.run([server if os.path.exists(server) else "wineserver", "--persistent=60"],
                   **quiet)
    subprocess.run([wine, "cmd", "/c", "exit"], check=True, **quiet)


def valgrind_problems(logdir):
    """Reads and removes the logs there.

    Returns (log name, what is wrong, log text) for each log that reports a
    problem. The error count includes definite and indirect leaks (given
    --errors-for-leak-kinds); their bytes are read as well, so that the
    check does not rest on that option alone.
    """
    problems = []
    for name in sorted(os.listdir(logdir)):
        path = os.path.join(logdir, name)
        with open(path, "rb") as f:
            log = f.read()
        os.remove(path)
        summary = ERROR_SUMMARY.search(log)
        lost = sum(int(m.group(2).replace(b",", b"")) for m in LOST.finditer(log))
        if summary is None:
            what = "no error summary: the process did not run to its end"
        elif int(summary.group(1).replace(b",", b"")):
            what = "%s errors, leaks included" % summary.group(1).decode()
        elif lost:
            what = "%d bytes definitely or indirectly lost" % lost
        else:
            continue
        problems.append((name, what, log.decode("latin-1")))
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, help="folder of the built programs")
    parser.add_argument(
        "--valgrind", action="store_true", help="run telvdelegate under memcheck"
    )
    parser.add_argument(
        "--valgrind-program", default="valgrind", metavar="PATH", help="the valgrind to use"
    )
    parser.add_argument("--wine", metavar="PATH", help="run the Windows build under this Wine")
    parser.add_argument("--wine-prefix", metavar="DIR", help="the WINEPREFIX to run in")
    parser.add_argument("--env", action="append", default=[], metavar="NAME=VALUE",
                        help="also give the commands this environment variable")
    parser.add_argument("transcript")
    options = parser.parse_args()

    with open(options.transcript, encoding="latin-1") as f:
        expected_text = f.read()
    blocks = parse(expected_text.split("\n")[:-1] if expected_text.endswith("\n")
                   else expected_text.split("\n"))

    bindir = os.path.abspath(options.bin)
    path = bindir + os.pathsep + "/usr/bin:/bin"
    valgrind_dir = None
    if options.valgrind:
        for kind, text, _ in blocks:
            if kind == "comment" and VALGRIND_SKIP.match(text):
                print("%s: left out of the valgrind run: %s" % (options.transcript, text))
                return SKIP_STATUS
        valgrind = shutil.which(options.valgrind_program)
        if valgrind is None:
            print("valgrind not found: %s" % options.valgrind_program)
            return 1
        # Apart from the transcript's folder, whose listing some transcripts show.
        valgrind_dir = tempfile.mkdtemp(prefix="transcript-valgrind.")
        wrapdir = os.path.join(valgrind_dir, "bin")
        logdir = os.path.join(valgrind_dir, "logs")
        os.mkdir(wrapdir)
        os.mkdir(logdir)
        write_valgrind_wrappers(os.path.abspath(valgrind), bindir, wrapdir, logdir)
        path = wrapdir + os.pathsep + path

    wine_dir = None
    if options.wine:
        wine_dir = tempfile.mkdtemp(prefix="transcript-wine.")
        write_wine_wrappers(options.wine, bindir, wine_dir)
        path = wine_dir + os.pathsep + path

    workdir = tempfile.mkdtemp(prefix="transcript.")
    env = environment(workdir, path)
    env.update(setting.split("=", 1) for setting in options.env)
    if options.wine:
        env.update(WINEPREFIX=os.path.abspath(options.wine_prefix), WINEDEBUG="-all")
        start_wine_server(options.wine, env)

    expanded = []
    actual = []
    folded = []
    problems = []
    caller_faults = []
    valgrind_runs = 0
    try:
        for kind, text, lines in blocks:
            for transcript in (expanded, actual, folded):
                transcript.append(text if kind == "comment" else "  $ " + text)
            if kind == "command":
                expanded.extend("  " + line for macro in lines
                                for line in frame(macro) or [macro])
                output = run(text, workdir, env)
                actual.extend("  " + line for line in output)
                folded.extend("  " + line for line in fold(output))
                caller_faults.extend((text, line) for line in output if CALLER_FAULT.search(line))
                if valgrind_dir:
                    valgrind_runs += len(os.listdir(logdir))
                    problems.extend((text,) + problem for problem in valgrind_problems(logdir))
    finally:
        shutil.rmtree(workdir, ignore_errors=True)
        for folder in (valgrind_dir, wine_dir):
            if folder:
                shutil.rmtree(folder, ignore_errors=True)

    status = 0
    for command, line in caller_faults:
        print("the library reports a fault of the command: %s\n  %s" % (command, line))
        status = 1
    for command, name, what, log in problems:
        print("valgrind log %s (%s) of the command: %s" % (name, what, command))
        sys.stdout.write(log)
        status = 1
    if valgrind_dir and valgrind_runs == 0:
        print("telvdelegate never ran under valgrind")
        status = 1
    elif valgrind_dir and not problems:
        print("valgrind: %d runs of telvdelegate, no errors, no leaks" % valgrind_runs)

    # A transcript without a last line end still differs from the output.
    expanded_text = "\n".join(expanded) + ("\n" if expected_text.endswith("\n") else "")
    actual_text = "".join(line + "\n" for line in actual)
    folded_text = "".join(line + "\n" for line in folded)
    # The valgrind run has a file of its own, since ctest may run it beside
    # the plain run of the same transcript.
    stem = options.transcript[:-2] if options.transcript.endswith(".t") else options.transcript
    if valgrind_dir:
        err_path = stem + ".valgrind.t.err"
    elif wine_dir:
        err_path = stem + ".wine.t.err"
    else:
        err_path = options.transcript + ".err"
    if actual_text == expanded_text:
        if os.path.exists(err_path):
            os.remove(err_path)
        return status
    with open(err_path, "w", encoding="latin-1") as f:
        f.write(folded_text)
    sys.stdout.writelines(
        difflib.unified_diff(
            expected_text.splitlines(True),
            folded_text.splitlines(True),
            options.transcript,
            err_path,
        )
    )
    return 1


if __name__ == "__main__":
    sys.exit(main())
