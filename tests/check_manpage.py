#!/usr/bin/env python3
"""Checks the manual pages man/telvdelegate.1 and man/telvemu.1 against the
built programs.

- man --warnings prints nothing for the page, and its rendering at 80
  columns has no line longer than that;
- the OPTIONS section documents exactly the options that the tool's own
  usage text lists, each with the value name the usage gives it (-i file),
  plus the help forms, each of which the tool answers with its usage;
- the EXIT STATUS section documents exactly the exit statuses that the tool
  declares in its sources and gives in runs against emulated servers: the
  usage, an input file that does not exist, an output file in a missing
  folder, a server that cannot be reached, and a listing that runs.

- telvemu's page documents exactly the commands and fault kinds of its
  usage text, each with the arguments the usage gives it, the environment
  variables the emulator's sources read, and the exit statuses telvemu
  gives for a command done, a server that does not exist and no command.

Then it makes sure that these checks can fail: a copy of a page without
the entry of one option, command, fault kind, variable or exit status must
be refused, for every one in turn.

Exit status 0 when all holds, 1 otherwise, 77 when man is missing.
"""

import argparse
import glob
import os
import re
import shutil
import subprocess
import sys

from emulated_servers import Failure, build_environment, run, run_in_folder, run_ok

# An option line of the usage text: four blanks, the option, perhaps its
# value's name, two or more blanks, the description.
USAGE_OPTION = re.compile(r"^    (-[a-z]+)(?: ([a-z]+))?  +\S")
EXIT_CONSTANT = re.compile(r"const int kExit\w+ = (\d+);")
# roff escapes that may stand in a tag, and what they print.
ESCAPES = re.compile(r"\\(-|&|\(aq|f[BIRP]|\|\^)")
ESCAPE_TEXT = {"\\-": "-", "\\(aq": "'"}
HELP_FORMS = ("-?", "/?", "-help", "/help")


def render(page, warnings=False):
    """The page as man prints it at 80 columns in plain ASCII; returns
    (exit status, output, error output)."""
    env = dict(os.environ, MANWIDTH="80", MANPAGER="cat", PAGER="cat", LC_ALL="C")
    args = ["man"] + (["--warnings"] if warnings else []) + ["-l", page]
    completed = subprocess.run(args, env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
    return (completed.returncode, completed.stdout.decode("utf-8", "replace"),
            completed.stderr.decode("utf-8", "replace"))


def roff_text(line):
    """The text a font macro line (.B, .BI, .BR, ...) or a plain text line
    prints: arguments split at blanks outside double quotes, joined by
    blanks for .B and .I and run together for the alternating macros."""
    if not line.startswith("."):
        words, joiner = [line], ""
    else:
        macro, _, rest = line.partition(" ")
        words = [w[1:-1] if w.startswith('"') else w
                 for w in re.findall(r'"[^"]*"|[^ ]+', rest)]
        joiner = " " if macro in (".B", ".I", ".SH", ".SS") else ""
    text = joiner.join(words)
    return ESCAPES.sub(lambda m: ESCAPE_TEXT.get(m.group(0), ""), text)


def sections(source):
    """{section name: its source lines}."""
    result, current = {}, None
    for line in source.split("\n"):
        if line.startswith(".SH"):
            current = roff_text(line)
            result[current] = []
        elif current is not None:
            result[current].append(line)
    return result


def tags(lines):
    """The tags of the .TP entries of a section, in order, as printed."""
    return [roff_text(lines[i + 1]) for i, line in enumerate(lines[:-1]) if line == ".TP"]


def first_word(tag):
    return re.split(r"[ ,]", tag)[0]


def usage_options(bin_dir, workdir):
    """[(option, value name or None)] from the usage text the tool prints."""
    status, lines = run([os.path.join(bin_dir, "telvdelegate")], workdir,
                        build_environment(workdir, bin_dir))
    if status != 255:
        raise Failure("telvdelegate without arguments exited %d, not 255" % status)
    if "Options:" not in lines:
        raise Failure("the usage text has no Options: line:\n" + "\n".join(lines))
    options = []
    for line in lines[lines.index("Options:") + 1:]:
        if not line:
            break
        m = USAGE_OPTION.match(line)
        if not m:
            raise Failure("usage line not understood: %r" % line)
        options.append((m.group(1), m.group(2)))
    if len(options) < 10:
        raise Failure("only %d options found in the usage text" % len(options))
    return options, lines


def observed_statuses(bin_dir, workdir, usage_lines):
    """The exit statuses of runs that give each one the tool has, checked
    against what each run is for."""
    env = build_environment(workdir, bin_dir)
    tool = os.path.join(bin_dir, "telvdelegate")

    def status(*args):
        return run((tool,) + args, workdir, env)[0]

    run_ok([os.path.join(bin_dir, "telvemu"), "demo"], workdir, env)
    runs = {
        "a listing": (status("demo"), 0),
        "an add of a delegate the tool refuses": (status("-aa", "demo", "alice", "b*"), 2),
        "an unreachable server": (status("nosuch"), 1),
        "an output file in a missing folder": (status("-o", "nodir/out.txt", "demo"), 3),
        "an input file that does not exist": (status("-i", "nosuch.txt", "demo"), 4),
        "no arguments": (status(), 255),
    }
    for what, (got, expected) in runs.items():
        if got != expected:
            raise Failure("%s exited %d, not %d" % (what, got, expected))
    # The help forms: each one prints the usage and exits 255.
    for form in HELP_FORMS:
        if run([tool, form], workdir, env) != (255, usage_lines):
            raise Failure("telvdelegate %s did not print the usage with status 255" % form)
    return {got for got, _ in runs.values()}


def declared_statuses(source_dir):
    found = set()
    for path in glob.glob(os.path.join(source_dir, "*.cc")):
        if path.endswith("_test.cc"):
            continue
        with open(path, encoding="utf-8") as f:
            found.update(int(n) for n in EXIT_CONSTANT.findall(f.read()))
    if not found:
        raise Failure("no exit status constants (const int kExit... = N;) in %s" % source_dir)
    return found


def page_sections(page, names):
    """The sections of a page that renders without a warning within 80
    columns and has the sections names."""
    code, text, errors = render(page, warnings=True)
    if code != 0 or errors:
        raise Failure("man --warnings -l %s exited %d:\n%s" % (page, code, errors))
    long_lines = [line for line in text.splitlines() if len(line) > 80]
    if long_lines:
        raise Failure("lines longer than 80 columns:\n" + "\n".join(long_lines))
    with open(page, encoding="utf-8") as f:
        parts = sections(f.read())
    for name in ("NAME", "SYNOPSIS", "DESCRIPTION", "EXIT STATUS", "ENVIRONMENT", "EXAMPLES",
                 "SEE ALSO") + names:
        if name not in parts:
            raise Failure("%s: no section %s" % (page, name))
    return parts


def check_statuses(lines, statuses):
    listed = set()
    for tag in tags(lines):
        if not tag.isdigit():
            raise Failure("EXIT STATUS: tag %r is not a status" % tag)
        listed.add(int(tag))
    if listed != statuses:
        raise Failure("EXIT STATUS documents %s; the program uses %s"
                      % (sorted(listed), sorted(statuses)))


def check_page(page, options, statuses):
    """Raises Failure unless the page documents exactly the options and
    statuses."""
    parts = page_sections(page, ("OPTIONS",))

    documented = {}
    for tag in tags(parts["OPTIONS"]):
        if not re.match(r"^[-/]", tag):
            raise Failure("OPTIONS: tag %r is not an option" % tag)
        for form in tag.split(", "):
            words = form.split(" ")
            documented[words[0]] = words[1] if len(words) > 1 else None
    expected = dict(options)
    expected.update((form, None) for form in HELP_FORMS)
    missing = sorted(set(expected) - set(documented))
    extra = sorted(set(documented) - set(expected))
    if missing or extra:
        raise Failure("OPTIONS: missing %s, not options of the tool %s" % (missing, extra))
    for option, value in expected.items():
        if documented[option] != value:
            raise Failure("OPTIONS: %s documented with value %r, the usage says %r"
                          % (option, documented[option], value))

    check_statuses(parts["EXIT STATUS"], statuses)


def emulator_usage(bin_dir, workdir):
    """{command: [its synopses, lower case]} from telvemu's usage text, and
    the statuses of a command done, a server that does not exist and no
    command."""
    env = build_environment(workdir, bin_dir)
    telvemu = os.path.join(bin_dir, "telvemu")
    status, lines = run([telvemu], workdir, env)
    runs = [(status, 2), (run([telvemu, "demo"], workdir, env)[0], 0),
            (run([telvemu, "dump", "nosuch"], workdir, env)[0], 1)]
    if any(got != expected for got, expected in runs):
        raise Failure("telvemu exited %s, not 2, 0 and 1" % [got for got, _ in runs])
    commands = {}
    for line in lines:
        m = re.match(r"^  ([a-z].*?)(  |$)", line)
        if m:
            synopsis = m.group(1).lower()
            commands.setdefault(synopsis.split(" ")[0], []).append(synopsis)
    if len(commands) < 9 or len(commands.get("fault", [])) < 9:
        raise Failure("telvemu's usage not understood:\n" + "\n".join(lines))
    return commands, {expected for _, expected in runs}


def environment_variables(source_dir):
    found = set()
    for path in glob.glob(os.path.join(source_dir, "*.cc")):
        if not path.endswith("_test.cc"):
            with open(path, encoding="utf-8") as f:
                found.update(re.findall(r'getenv\("(\w+)"\)', f.read()))
    if not found:
        raise Failure("no getenv(\"...\") in %s" % source_dir)
    return found


def check_emulator_page(page, commands, variables, statuses):
    """Raises Failure unless telvemu's page documents exactly its commands,
    with the arguments of the usage, the fault kinds likewise, the
    variables and the statuses."""
    parts = page_sections(page, ("COMMANDS", "FAULTS"))
    documented = tags(parts["COMMANDS"])
    if sorted(map(first_word, documented)) != sorted(commands):
        raise Failure("COMMANDS documents %s; telvemu has %s"
                      % (sorted(map(first_word, documented)), sorted(commands)))
    for tag in documented:
        if first_word(tag) != "fault" and [tag] != commands[first_word(tag)]:
            raise Failure("COMMANDS: %r, the usage says %s" % (tag, commands[first_word(tag)]))
    kinds = sorted(synopsis[len("fault server "):] for synopsis in commands["fault"])
    if sorted(tags(parts["FAULTS"])) != kinds:
        raise Failure("FAULTS documents %s; the usage says %s"
                      % (sorted(tags(parts["FAULTS"])), kinds))
    if set(tags(parts["ENVIRONMENT"])) != variables:
        raise Failure("ENVIRONMENT documents %s; the emulator reads %s"
                      % (sorted(tags(parts["ENVIRONMENT"])), sorted(variables)))
    check_statuses(parts["EXIT STATUS"], statuses)


def without_entry(source, section, word):
    """The page source without the .TP entry of the given section whose tag
    begins with word, as printed."""
    lines = source.split("\n")
    in_section = False
    for i, line in enumerate(lines):
        if line.startswith(".SH"):
            in_section = line[3:].strip().strip('"') == section
        elif (in_section and line == ".TP" and i + 1 < len(lines)
              and first_word(roff_text(lines[i + 1])) == word):
            end = i + 1
            while end < len(lines) and not re.match(r"^\.(TP|PP|IP|SH)\b", lines[end]):
                end += 1
            return "\n".join(lines[:i] + lines[end:])
    raise Failure("no .TP entry for %s in section %s of the page" % (word, section))


def check_mutants(page, mutants, check, workdir):
    """Every copy of the page that lacks one entry of mutants, (section,
    first word of the tag), must fail check(page)."""
    with open(page, encoding="utf-8") as f:
        source = f.read()
    for section, word in mutants:
        path = os.path.join(workdir, "mutant.1")
        with open(path, "w", encoding="utf-8") as f:
            f.write(without_entry(source, section, word))
        try:
            check(path)
        except Failure:
            continue
        raise Failure("a page without the %s entry %s passes the check" % (section, word))
    return len(mutants)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--bin", required=True, help="folder of telvdelegate and telvemu")
    parser.add_argument("--page", required=True, help="the manual page source")
    parser.add_argument("--sources", required=True, help="folder of the tool's sources")
    parser.add_argument("--emulator-page", required=True, help="telvemu's manual page source")
    parser.add_argument("--emulator-sources", required=True, help="folder of the emulator")
    parser.add_argument("--keep", action="store_true", help="keep the work folder")
    args = parser.parse_args()
    if shutil.which("man") is None:
        print("SKIPPED: man is not installed")
        return 77

    def test(workdir):
        options, usage_lines = usage_options(args.bin, workdir)
        statuses = (observed_statuses(args.bin, workdir, usage_lines)
                    | declared_statuses(args.sources))
        check_page(args.page, options, statuses)
        print("documented: options %s, help forms %s, exit statuses %s"
              % (" ".join(o for o, _ in options), " ".join(HELP_FORMS),
                 " ".join(map(str, sorted(statuses)))))
        mutants = [("OPTIONS", option) for option, _ in options] + [("OPTIONS", "-?")]
        mutants += [("EXIT STATUS", str(status)) for status in sorted(statuses)]
        count = check_mutants(args.page, mutants,
                              lambda page: check_page(page, options, statuses), workdir)
        print("refused: %d copies of the page, each without one entry" % count)

        commands, emulator_statuses = emulator_usage(args.bin, workdir)
        variables = environment_variables(args.emulator_sources)
        check_emulator_page(args.emulator_page, commands, variables, emulator_statuses)
        print("telvemu: commands %s, fault kinds %d, variables %s, exit statuses %s"
              % (" ".join(sorted(commands)), len(commands["fault"]), " ".join(sorted(variables)),
                 " ".join(map(str, sorted(emulator_statuses)))))
        mutants = [("COMMANDS", command) for command in commands]
        mutants += [("FAULTS", first_word(kind[len("fault server "):]))
                    for kind in commands["fault"]]
        mutants += [("ENVIRONMENT", variable) for variable in sorted(variables)]
        mutants += [("EXIT STATUS", str(status)) for status in sorted(emulator_statuses)]
        count = check_mutants(args.emulator_page, mutants, lambda page: check_emulator_page(
            page, commands, variables, emulator_statuses), workdir)
        print("refused: %d copies of telvemu's page, each without one entry" % count)

    return run_in_folder("telv-manpage-", args.keep, test)


if __name__ == "__main__":
    sys.exit(main())
