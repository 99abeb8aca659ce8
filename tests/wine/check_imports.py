#!/usr/bin/env python3
"""Checks how the Windows build meets TELVWIN32.dll, from the files' own tables.

usage: check_imports.py OBJDUMP DEF_FILE TOOL.exe STAND_IN.dll

The tool must import from TELVWIN32.dll exactly the calls of the module
definition, and beside it only Windows' own KERNEL32.dll and msvcrt.dll, so
that it runs wherever the vendor's DLL does. The emulator's DLL must export
exactly those calls, so that it can stand in for the vendor's.
"""

import re
import subprocess
import sys


def definition_exports(path):
    with open(path) as f:
        text = f.read()
    names = text.split("EXPORTS", 1)[1].split()
    return sorted(name for name in names if not name.startswith(";"))


def imports(objdump, exe):
    """{DLL name: sorted imported names}, from objdump's import tables."""
    output = subprocess.run([objdump, "-p", exe], check=True, stdout=subprocess.PIPE,
                            text=True).stdout
    tables = {}
    current = None
    for line in output.splitlines():
        match = re.match(r"\s*DLL Name: (\S+)", line)
        if match:
            current = tables.setdefault(match.group(1), [])
            continue
        match = re.match(r"\s+[0-9a-f]+\s+\d+\s+(\w+)$", line)
        if current is not None and match:
            current.append(match.group(1))
        elif not line.strip():
            current = None
    return {dll: sorted(names) for dll, names in tables.items()}


def exports(objdump, dll):
    output = subprocess.run([objdump, "-p", dll], check=True, stdout=subprocess.PIPE,
                            text=True).stdout
    if "[Ordinal/Name Pointer] Table" not in output:
        return []
    table = output.split("[Ordinal/Name Pointer] Table", 1)[1].split("\n\n", 1)[0]
    return sorted(re.findall(r"\[\s*\d+\] (\w+)", table))


def main():
    objdump, def_file, exe, dll = sys.argv[1:5]
    calls = definition_exports(def_file)
    problems = []
    tables = imports(objdump, exe)
    if sorted(tables) != ["KERNEL32.dll", "TELVWIN32.dll", "msvcrt.dll"]:
        problems.append("the tool imports from %s" % ", ".join(sorted(tables)))
    if tables.get("TELVWIN32.dll") != calls:
        problems.append("the tool imports %s from TELVWIN32.dll, not the %d calls %s"
                        % (tables.get("TELVWIN32.dll"), len(calls), calls))
    exported = exports(objdump, dll)
    if exported != calls:
        problems.append("the stand-in DLL exports %s, not %s" % (exported, calls))
    for problem in problems:
        print(problem)
    if not problems:
        print("telvdelegate.exe imports the %d calls of TELVWIN32.dll, which the stand-in"
              " exports, and nothing else" % len(calls))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
