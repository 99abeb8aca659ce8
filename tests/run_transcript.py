#!/usr/bin/env python3
"""Runs one transcript: shell commands with their exact expected output.

A transcript is a text file. Lines indented by two blanks and starting with
"$ " are commands; the indented lines after a command are its expected
output, byte for byte (an empty output line is two blanks alone). A last
output line "[N]" is a non-zero exit status. Any line not indented is a
comment. Standard error is merged into standard output, so a sanitizer
report or a stray message shows up as a difference.

Each transcript runs in a fresh folder with its own emulated servers
(TELVEMU_DIR), without real waits between connection attempts, with the
build's bin folder first on PATH, so that commands name telvdelegate and
telvemu plainly. Output lines that lack a final line end are marked
" (no-eol)". The build date in the banner is checked for its form and shown
as "@DATE@", since it changes with every build.

On a difference the actual transcript is written beside the file as
NAME.t.err, and a unified diff is printed; the exit status is then 1.
"""

import argparse
import difflib
import os
import re
import shutil
import subprocess
import sys
import tempfile

BUILD_DATE = re.compile(
    rb"\[Built: (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 123][0-9] [0-9]{4}\]"
)
STATUS = re.compile(r"^\[(\d+)\]$")
COMMAND_TIMEOUT_SECONDS = 300


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
    completed = subprocess.run(
        ["bash", "-c", command],
        cwd=workdir,
        env=env,
        stdin=subprocess.DEVNULL,
        stdout=subprocess.PIPE,
        stderr=subprocess.STDOUT,
        timeout=COMMAND_TIMEOUT_SECONDS,
    )
    output = BUILD_DATE.sub(b"[Built: @DATE@]", completed.stdout)
    # latin-1 keeps every byte as one character, so nothing is lost or
    # rejected when the tool prints bytes that are not UTF-8.
    text = output.decode("latin-1")
    lines = text.split("\n")
    if lines[-1] == "":
        lines.pop()
    elif lines:
        lines[-1] += " (no-eol)"
    if completed.returncode != 0:
        lines.append("[%d]" % completed.returncode)
    return lines


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, help="folder of the built programs")
    parser.add_argument("transcript")
    options = parser.parse_args()

    with open(options.transcript, encoding="latin-1") as f:
        expected_text = f.read()
    blocks = parse(expected_text.split("\n")[:-1] if expected_text.endswith("\n")
                   else expected_text.split("\n"))

    workdir = tempfile.mkdtemp(prefix="transcript.")
    env = {
        "PATH": os.path.abspath(options.bin) + os.pathsep + "/usr/bin:/bin",
        "HOME": workdir,
        "LC_ALL": "C",
        "TELVEMU_DIR": os.path.join(workdir, "servers"),
        "TELVEMU_SLEEP": "0",
    }
    for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
        if name in os.environ:
            env[name] = os.environ[name]

    actual = []
    try:
        for kind, text, _ in blocks:
            actual.append(text if kind == "comment" else "  $ " + text)
            if kind == "command":
                actual.extend("  " + line for line in run(text, workdir, env))
    finally:
        shutil.rmtree(workdir, ignore_errors=True)

    actual_text = "".join(line + "\n" for line in actual)
    err_path = options.transcript + ".err"
    if actual_text == expected_text:
        if os.path.exists(err_path):
            os.remove(err_path)
        return 0
    with open(err_path, "w", encoding="latin-1") as f:
        f.write(actual_text)
    sys.stdout.writelines(
        difflib.unified_diff(
            expected_text.splitlines(True),
            actual_text.splitlines(True),
            options.transcript,
            err_path,
        )
    )
    return 1


if __name__ == "__main__":
    sys.exit(main())
