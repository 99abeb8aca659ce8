#!/usr/bin/env python3
"""Checks how the Windows build meets TELVWIN32.dll, from the files' own tables.

usage: check_imports.py OBJDUMP NM CONVENTION DEF_FILE TOOL.exe STAND_IN.dll

CONVENTION is the build's: stdcall or cdecl for 32-bit Windows, x64 for
64-bit. Holds when:
- the tool and the stand-in DLL are Windows files of the build's processor:
  a 64-bit program cannot load a 32-bit DLL, nor the other way round;
- the tool imports only Windows' own KERNEL32.dll and msvcrt.dll, so that
  Windows starts it without TELVWIN32.dll, and holds the name of each call
  of the module definition, which it looks up in the DLL;
- the stand-in DLL exports exactly the calls of the module definition, by
  their plain names;
- the tool's calls and the DLL's are compiled in the same convention, the
  one the build chose, and so is the comparison the tool gives TelvListSort:
  under __stdcall each carries the size of its arguments (_TelvListSort@8),
  the same in both, under __cdecl none does. A program and a DLL that
  disagree corrupt the stack at the first call.
"""

import re
import subprocess
import sys

FORMATS = {"stdcall": "pei-i386", "cdecl": "pei-i386", "x64": "pei-x86-64"}


def output_of(*command):
    return subprocess.run(command, check=True, stdout=subprocess.PIPE, text=True).stdout


def definition_exports(path):
    with open(path) as f:
        text = f.read()
    names = text.split("EXPORTS", 1)[1].split()
    return sorted(name for name in names if not name.startswith(";"))


def imported_dlls(objdump, exe):
    return sorted(re.findall(r"DLL Name: (\S+)", output_of(objdump, "-p", exe)))


def exports(objdump, dll):
    output = output_of(objdump, "-p", dll)
    if "[Ordinal/Name Pointer] Table" not in output:
        return []
    table = output.split("[Ordinal/Name Pointer] Table", 1)[1].split("\n\n", 1)[0]
    return sorted(re.findall(r"\[\s*\d+\] (\S+)", table))


def call_symbols(nm, path, calls):
    """The symbols a file defines for the calls: _Name@N, _Name or Name."""
    defined = set(re.findall(r"^\S+ [Tt] (\S+)$", output_of(nm, path), re.M))
    pattern = re.compile(r"_?(%s)(@\d+)?$" % "|".join(calls))
    return sorted(symbol for symbol in defined if pattern.match(symbol))


def convention_problems(nm, convention, calls, exe, dll):
    problems = []
    in_exe = call_symbols(nm, exe, calls)
    in_dll = call_symbols(nm, dll, calls)
    decorated_exe = [s for s in in_exe if "@" in s]
    decorated_dll = [s for s in in_dll if "@" in s]
    plain = ["_" + call if convention == "cdecl" else call for call in calls]
    if convention == "stdcall":
        expected = sorted(decorated_exe)
        if len(decorated_exe) != len(calls):
            problems.append("the tool's calls are not all __stdcall: %s" % in_exe)
        if decorated_dll != expected:
            problems.append("the tool calls %s, the DLL defines %s" % (expected, decorated_dll))
    else:
        if decorated_exe or decorated_dll:
            problems.append("__stdcall calls in a %s build: %s" % (convention,
                                                                  decorated_exe + decorated_dll))
        for name, symbols in (("tool", in_exe), ("DLL", in_dll)):
            if sorted(set(plain) - set(symbols)):
                problems.append("the %s lacks %s" % (name, sorted(set(plain) - set(symbols))))
    callback = re.findall(r"^\S+ [Tt] (\S*compareDelegations\S*)$", output_of(nm, exe), re.M)
    if len(callback) != 1 or (("@" in callback[0]) != (convention == "stdcall")):
        problems.append("the comparison for TelvListSort is %s in a %s build"
                        % (callback, convention))
    return problems


def main():
    objdump, nm, convention, def_file, exe, dll = sys.argv[1:7]
    calls = definition_exports(def_file)
    problems = []
    for path in (exe, dll):
        if "file format %s" % FORMATS[convention] not in output_of(objdump, "-f", path):
            problems.append("%s is not a %s file" % (path, FORMATS[convention]))
    if imported_dlls(objdump, exe) != ["KERNEL32.dll", "msvcrt.dll"]:
        problems.append("the tool imports from %s" % imported_dlls(objdump, exe))
    with open(exe, "rb") as f:
        image = f.read()
    missing = [call for call in calls if b"\0" + call.encode() + b"\0" not in image]
    if missing:
        problems.append("the tool does not name %s" % missing)
    if exports(objdump, dll) != calls:
        problems.append("the stand-in DLL exports %s, not %s" % (exports(objdump, dll), calls))
    problems += convention_problems(nm, convention, calls, exe, dll)
    for problem in problems:
        print(problem)
    if not problems:
        print("%s files; the tool names the %d calls of TELVWIN32.dll, which the stand-in"
              " exports, both in the %s convention" % (FORMATS[convention], len(calls), convention))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
