#!/usr/bin/env python3
"""Makes the Windows zips with CPack and runs the tool as unpacked from them.

usage: check_packages.py CPACK BUILD_DIR OBJDUMP WINE|- WINEPREFIX|-

In a scratch folder: cpack of the build makes the tool's zip and the
emulator's; each holds exactly its files, the tool's no TELVWIN32.dll; the
programs are stripped and the tool carries its version resource (1.0).
Both zips are unpacked into one folder whose name has a blank, and the demo
transcript runs the programs from there under Wine; with - for Wine, where
Wine cannot run the build's programs, the zips are only checked.
"""

import glob
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
CONTENTS = {
    "telvdelegate-1.0-windows-": ["README.md", "telvdelegate.exe", "telvdelegate.txt"],
    "telvdelegate-emulator-1.0-windows-": ["TELVWIN32.dll", "telvemu.exe", "telvemu.txt"],
}
# VS_FIXEDFILEINFO: its signature, structure version 1.0, file version 1.0.0.0.
FILE_VERSION_1_0 = struct.pack("<IIII", 0xFEEF04BD, 0x00010000, 0x00010000, 0)


def main():
    cpack, build_dir, objdump, wine, prefix = sys.argv[1:6]
    scratch = tempfile.mkdtemp(prefix="windows-packages.")
    try:
        return check(cpack, build_dir, objdump, wine, prefix, scratch)
    finally:
        shutil.rmtree(scratch)


def check(cpack, build_dir, objdump, wine, prefix, scratch):
    subprocess.run([cpack, "-B", scratch, "--config", os.path.join(build_dir, "CPackConfig.cmake")],
                   check=True, stdout=subprocess.DEVNULL)
    folder = os.path.join(scratch, "Telv Tools")
    problems = []
    for stem, expected in CONTENTS.items():
        zips = glob.glob(os.path.join(scratch, stem + "*.zip"))
        if len(zips) != 1:
            problems.append("no single zip %s*: %s" % (stem, os.listdir(scratch)))
            continue
        with zipfile.ZipFile(zips[0]) as archive:
            if sorted(archive.namelist()) != expected:
                problems.append("%s holds %s" % (zips[0], sorted(archive.namelist())))
            archive.extractall(folder)
    for program in ("telvdelegate.exe", "telvemu.exe", "TELVWIN32.dll"):
        path = os.path.join(folder, program)
        if os.path.exists(path) and ".debug_" in subprocess.run(
                [objdump, "-h", path], check=True, stdout=subprocess.PIPE, text=True).stdout:
            problems.append("%s is not stripped" % program)
    with open(os.path.join(folder, "telvdelegate.exe"), "rb") as f:
        image = f.read()
    if FILE_VERSION_1_0 not in image or "TelvDelegate".encode("utf-16-le") not in image:
        problems.append("telvdelegate.exe lacks its version resource 1.0 of TelvDelegate")
    for problem in problems:
        print(problem)
    if problems:
        return 1
    if wine == "-":
        return 0
    return subprocess.run([sys.executable, os.path.join(HERE, "..", "run_transcript.py"),
                           "--bin", folder, "--wine", wine, "--wine-prefix", prefix,
                           os.path.join(HERE, "..", "transcripts", "demo.t")]).returncode


if __name__ == "__main__":
    sys.exit(main())
