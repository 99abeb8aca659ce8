#!/usr/bin/env python3
"""Builds the packages with CPack and runs the programs as installed from them.

In a scratch folder of its own, apart from the source and build trees:

1. cpack -G DEB and cpack -G TGZ of the build;
2. the Debian package's control fields, its Depends against the packages
   that hold the libraries its programs need, its exact file list, no
   maintainer scripts, and, where lintian is installed, not one error or
   warning of lintian's, nor a note of a binary built without hardening;
3. dpkg --root installs it into a scratch root; the installed telvemu makes
   the demo server and the installed telvdelegate lists it, backs it up and
   restores it into another server, each run compared whole with its
   expected output; the installed programs load the installed library, and
   man shows the installed pages;
4. the archive's exact file list; unpacked and then moved elsewhere, its
   programs run the same way.

The programs run with PATH=/usr/bin:/bin and without LD_LIBRARY_PATH, so
they reach libtelvwin32.so only by their own run path. Exit status 0 when
all holds, 1 otherwise, 77 when dpkg, dpkg-deb or man is missing.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tarfile

from emulated_servers import Failure, environment, mask_build_date, run_in_folder

BANNER = """\
TelvDelegate - Manage in-box delegates on a Telvane server
Version 1.0 [Built: @DATE@]

Telvane API version: 12/06/2008 00:00:00Z
Server: {server}
Connecting to Telvane server: {server}
Connect(1) to Telvane server: {server}
Connected to Telvane server:  {server}

"""
DISCONNECT = """
Disconnect from Telvane server: {server}, {server}
Disconnected
"""

DEMO_LISTING = BANNER + """\
Retrieving in-box delegates list...
Sorting delegates list...
   1    1  Accounting BKowalski
   2    2  CEO-Office PLarsen
   3    3  FrontDesk JMiller
   3    4  frontdesk JMiller *
   4    5  Helpdesk bkowalski
   5    6  jmiller Assistant01
   6    7  Sales anna.schmidt
   7    8  Support anna.schmidt
delegators:7, delegates:8
""" + DISCONNECT

BACKUP_RUN = BANNER + """\
Retrieving in-box delegates list...
Sorting delegates list...
delegators:7, delegates:8
""" + DISCONNECT

BACKUP_FILE = """\
FORMAT 1
0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF Accounting BKowalski
0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF CEO-Office PLarsen
0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 FrontDesk JMiller
0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller *
0002 0FFFFFFF 00000000 00000000 00000000 Helpdesk bkowalski
0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 jmiller Assistant01
0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt
0002 00000000 00000000 00000000 00000000 Support anna.schmidt
"""

RESTORE_RUN = BANNER + """\
Delegate loaded: Accounting <- BKowalski
Delegate loaded: CEO-Office <- PLarsen
Delegate loaded: FrontDesk <- JMiller
Replace existing delegate: frontdesk <- JMiller
Delegate loaded: frontdesk <- JMiller
Delegate loaded: Helpdesk <- bkowalski
Delegate loaded: jmiller <- Assistant01
Delegate loaded: Sales <- anna.schmidt
Delegate loaded: Support <- anna.schmidt

Delegates added:8, lines:9 errors:0
""" + DISCONNECT

# The restored server as telvemu dump shows it: the pair held twice comes
# back once, with the values of its last line.
RESTORED_DUMP = """\
1 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF Accounting BKowalski
2 0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF CEO-Office PLarsen
4 0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller
5 0002 0FFFFFFF 00000000 00000000 00000000 Helpdesk bkowalski
6 0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 jmiller Assistant01
7 0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt
8 0002 00000000 00000000 00000000 00000000 Support anna.schmidt
"""

DELETE_RUN = BANNER + """\
Delegate removed:  FrontDesk <- JMiller
Delegate removed:  frontdesk <- JMiller
Delegates removed: 2
""" + DISCONNECT


def command(args, env=None, cwd=None, expect=0):
    """Runs a command; returns its output, standard error merged. Fails
    unless it exits with expect."""
    completed = subprocess.run(args, env=env, cwd=cwd, stdin=subprocess.DEVNULL,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=120)
    output = completed.stdout.decode("latin-1")
    if completed.returncode != expect:
        raise Failure("%s exited %d, not %d:\n%s"
                      % (" ".join(args), completed.returncode, expect, output[-3000:]))
    return output


def same(what, actual, expected):
    if actual != expected:
        raise Failure("%s differs.\n--- expected\n%s--- actual\n%s" % (what, expected, actual))


def make_packages(cpack, build, out):
    """The .deb and the .tar.gz, made by cpack into out."""
    config = os.path.join(build, "CPackConfig.cmake")
    for generator in ("DEB", "TGZ"):
        command([cpack, "-G", generator, "-B", out, "--config", config], cwd=out)
    debs = [n for n in os.listdir(out) if n.endswith(".deb")]
    archives = [n for n in os.listdir(out) if n.endswith(".tar.gz")]
    if len(debs) != 1 or len(archives) != 1:
        raise Failure("cpack made %s, not one .deb and one .tar.gz" % sorted(os.listdir(out)))
    return os.path.join(out, debs[0]), os.path.join(out, archives[0])


def control_fields(info):
    """The control fields of dpkg-deb --info, folded lines joined."""
    fields, name = {}, None
    for line in info.splitlines():
        m = re.match(r"^ ([A-Za-z-]+): (.*)$", line)
        if m:
            name = m.group(1)
            fields[name] = m.group(2)
        elif line.startswith("  ") and name:
            fields[name] += "\n" + line.strip()
    return fields


def needed_packages(files):
    """The packages that hold the shared libraries the ELF files need
    directly, apart from the package's own libtelvwin32.so."""
    packages = set()
    for path in files:
        dynamic = command(["readelf", "-d", path])
        needed = set(re.findall(r"\(NEEDED\)\s+Shared library: \[(.+)\]", dynamic))
        resolved = dict(re.findall(r"^\s*(\S+) => (/\S+)", command(["ldd", path]), re.M))
        for soname in sorted(needed - {"libtelvwin32.so"}):
            if soname not in resolved:
                raise Failure("ldd does not resolve %s of %s" % (soname, path))
            library = resolved[soname]
            # With a merged /usr, dpkg may know the file under the other name.
            candidates = [library, os.path.realpath(library)]
            candidates += [p[4:] if p.startswith("/usr/") else "/usr" + p for p in candidates]
            for candidate in candidates:
                found = subprocess.run(["dpkg", "-S", candidate], stdout=subprocess.PIPE,
                                       stderr=subprocess.DEVNULL)
                if found.returncode == 0:
                    name = found.stdout.decode().split(":")[0]
                    packages.add(name)
                    break
            else:
                raise Failure("no package holds %s (%s)" % (library, soname))
    return packages


def check_deb(deb, version, arch, libdir, workdir):
    info = command(["dpkg-deb", "--info", deb])
    fields = control_fields(info)
    for name, value in (("Package", "telvdelegate"), ("Version", version),
                        ("Architecture", arch), ("Section", "admin"),
                        ("Maintainer", "telvdelegate maintainers <telvdelegate@example.org>")):
        if fields.get(name) != value:
            raise Failure("control field %s is %r, not %r:\n%s"
                          % (name, fields.get(name), value, info))
    if not fields.get("Description", "").startswith(
            "Manage in-box delegates on a Telvane fax server\n"):
        raise Failure("unexpected Description:\n%s" % info)

    # Every dependency carries a version, and together they are exactly the
    # packages that hold the libraries the programs and the library need.
    depends = [d.strip() for d in fields.get("Depends", "").split(",") if d.strip()]
    names = set()
    for dependency in depends:
        m = re.match(r"^([a-z0-9][a-z0-9+.-]+) \(>= [^)]+\)$", dependency)
        if not m:
            raise Failure("Depends entry %r has no version" % dependency)
        names.add(m.group(1))
    unpacked = os.path.join(workdir, "deb-files")
    command(["dpkg-deb", "--extract", deb, unpacked])
    elves = [os.path.join(unpacked, "usr", p) for p in
             ("bin/telvdelegate", "bin/telvemu", libdir + "/libtelvwin32.so")]
    needed = needed_packages(elves)
    if names != needed:
        raise Failure("Depends names %s; the libraries come from %s"
                      % (sorted(names), sorted(needed)))

    # The file list: owner, mode and path of every entry.
    listing = command(["dpkg-deb", "--contents", deb])
    entries = sorted("%s %s %s" % (f[0], f[1], f[5]) for f in
                     (line.split() for line in listing.splitlines()))
    expected = ["drwxr-xr-x root/root ./usr/", "-rwxr-xr-x root/root ./usr/bin/telvdelegate",
                "-rwxr-xr-x root/root ./usr/bin/telvemu"]
    expected += ["-rw-r--r-- root/root ./usr/%s" % path for path in installed_files(libdir)]
    expected += ["drwxr-xr-x root/root ./usr/%s/" % folder for folder in folders(libdir)]
    same("dpkg-deb --contents (mode, owner, path)", "\n".join(entries) + "\n",
         "\n".join(sorted(expected)) + "\n")
    # The library is private to the package, so no maintainer script runs
    # ldconfig for it.
    control = os.path.join(workdir, "deb-control")
    command(["dpkg-deb", "--control", deb, control])
    same("control files", sorted(os.listdir(control)), ["control", "md5sums"])
    print("deb: %s, Depends: %s" % (os.path.basename(deb), fields["Depends"]))


def check_lintian(deb):
    """lintian's verdict: every tag it prints, shown; an error, a warning or
    a binary without a hardening flag (an informational tag) fails. Skipped
    where lintian is not installed."""
    if shutil.which("lintian") is None:
        print("lintian: not installed, not run")
        return
    completed = subprocess.run(["lintian", "--fail-on", "error,warning", "--display-info",
                                "--pedantic", deb],
                               stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, timeout=240)
    output = completed.stdout.decode("utf-8", "replace")
    tags = [line for line in output.splitlines() if re.match(r"^[EWIPXO]: ", line)]
    print("lintian: %d tags%s" % (len(tags), "".join("\n  " + tag for tag in tags)))
    faults = [tag for tag in tags if tag[0] in "EW" or ": hardening-" in tag]
    if faults or completed.returncode != 0:
        raise Failure("lintian exited %d, with errors, warnings or hardening notes:\n%s"
                      % (completed.returncode, output))


def installed_files(libdir):
    """The plain files the install holds besides the programs, relative to
    its top."""
    return ["%s/libtelvwin32.so" % libdir, "share/doc/telvdelegate/changelog.gz",
            "share/doc/telvdelegate/copyright", "share/man/man1/telvdelegate.1.gz",
            "share/man/man1/telvemu.1.gz"]


def folders(libdir):
    """Every folder of the install, relative to its top."""
    found = {"bin"}
    for path in installed_files(libdir):
        parts = path.split("/")[:-1]
        found.update("/".join(parts[:i + 1]) for i in range(len(parts)))
    return sorted(found)


def install_deb(deb, root, workdir):
    """Installs the package into root with dpkg."""
    admin = os.path.join(root, "var", "lib", "dpkg")
    for folder in ("info", "updates", "triggers"):
        os.makedirs(os.path.join(admin, folder))
    open(os.path.join(admin, "status"), "w").close()
    env = {"PATH": "/usr/sbin:/usr/bin:/sbin:/bin", "LC_ALL": "C"}
    # The scratch root holds none of the packages in Depends (libc6,
    # libstdc++6, libsqlite3-0, ...); the host has them, and the installed
    # programs use the host's copies, so the dependencies are forced. It
    # holds no shell either, so dpkg looks for its helpers outside it.
    force = ["--force-depends", "--force-script-chrootless"]
    if os.geteuid() != 0:
        force.append("--force-not-root")
    command(["dpkg", "--root=" + root, "--log=" + os.path.join(workdir, "dpkg.log")] + force
            + ["--install", deb], env=env)
    status = command(["dpkg-query", "--root=" + root, "-W", "-f=${Status} ${Version}\n",
                      "telvdelegate"], env=env)
    same("dpkg-query status", status, "install ok installed 1.0\n")


def check_programs(bin_dir, lib_path, workdir):
    """Runs the programs of bin_dir against emulated servers in workdir:
    the demo listing, a backup and a restore, a delete, each whole."""
    for name in ("telvdelegate", "telvemu"):
        program = os.path.join(bin_dir, name)
        runpath = re.findall(r"\((?:RUNPATH|RPATH)\)\s+Library r\w*path: \[(.*)\]",
                             command(["readelf", "-d", program]))
        same("run path of %s" % name, runpath, ["$ORIGIN/../" + os.path.relpath(
            os.path.dirname(lib_path), os.path.dirname(bin_dir))])
        loaded = re.findall(r"libtelvwin32\.so => (.+) \(0x", command(["ldd", program]))
        if name == "telvdelegate" and [os.path.realpath(p) for p in loaded] != \
                [os.path.realpath(lib_path)]:
            raise Failure("%s loads libtelvwin32.so from %s, not %s" % (program, loaded, lib_path))

    os.makedirs(workdir)
    env = environment(workdir, "/usr/bin:/bin")
    tool = os.path.join(bin_dir, "telvdelegate")
    emu = os.path.join(bin_dir, "telvemu")

    def tool_run(*args):
        return mask_build_date(command([tool] + list(args), env, workdir))

    same("telvemu demo", command([emu, "demo"], env, workdir), "")
    same("telvdelegate demo", tool_run("demo"), DEMO_LISTING.format(server="demo"))
    same("telvdelegate -o backup.txt demo", tool_run("-o", "backup.txt", "demo"),
         BACKUP_RUN.format(server="demo"))
    with open(os.path.join(workdir, "backup.txt"), newline="") as f:
        same("backup.txt", f.read(), BACKUP_FILE)
    same("telvemu create copy", command([emu, "create", "copy"], env, workdir), "")
    same("telvdelegate -i backup.txt copy", tool_run("-i", "backup.txt", "copy"),
         RESTORE_RUN.format(server="copy"))
    same("telvemu dump copy", command([emu, "dump", "copy"], env, workdir), RESTORED_DUMP)
    same("telvdelegate -d demo FRONTDESK jmiller", tool_run("-d", "demo", "FRONTDESK", "jmiller"),
         DELETE_RUN.format(server="demo"))


def check_page(name, man_dir):
    """The installed page of the program name: rendered without a warning,
    headed by its name, and found by that name in man_dir."""
    env = {"PATH": "/usr/bin:/bin", "LC_ALL": "C", "MANWIDTH": "80", "MANPAGER": "cat",
           "PAGER": "cat", "HOME": os.path.dirname(man_dir)}
    page = os.path.join(man_dir, "man1", name + ".1.gz")
    completed = subprocess.run(["man", "--warnings", "-l", page], env=env,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
    text = completed.stdout.decode()
    if completed.returncode != 0 or completed.stderr:
        raise Failure("man -l %s exited %d:\n%s" % (page, completed.returncode,
                                                   completed.stderr.decode()))
    lines = text.splitlines()
    title = re.escape(name.upper() + "(1)")
    if not re.match(r"^%s +User Commands +%s$" % (title, title), lines[0]) \
            or "NAME" not in lines or "EXIT STATUS" not in lines:
        raise Failure("man -l %s shows:\n%s" % (page, "\n".join(lines[:20])))
    by_name = command(["man", "-M", man_dir, "1", name], env=env)
    same("man -M %s %s" % (man_dir, name), by_name, text)


def check_archive(archive, version, libdir, workdir):
    top = os.path.basename(archive)[:-len(".tar.gz")]
    if not top.startswith("telvdelegate-%s-" % version):
        raise Failure("archive name %s" % top)
    with tarfile.open(archive) as tar:
        members = sorted("%s %o %s" % ("d" if m.isdir() else "f", m.mode & 0o777, m.name)
                         for m in tar.getmembers())
        expected = ["f 755 %s/bin/telvdelegate" % top, "f 755 %s/bin/telvemu" % top]
        expected += ["f 644 %s/%s" % (top, path) for path in installed_files(libdir)]
        expected += ["d 755 %s/%s" % (top, folder) for folder in folders(libdir)]
        same("archive members", "\n".join(members) + "\n", "\n".join(sorted(expected)) + "\n")
        unpacked = os.path.join(workdir, "unpacked")
        if hasattr(tarfile, "data_filter"):
            tar.extractall(unpacked, filter="data")
        else:
            tar.extractall(unpacked)
    # Moved after unpacking: the programs find the library wherever the tree lies.
    moved = os.path.join(workdir, "elsewhere", "telv tree")
    os.makedirs(os.path.dirname(moved))
    os.rename(os.path.join(unpacked, top), moved)
    check_programs(os.path.join(moved, "bin"), os.path.join(moved, libdir, "libtelvwin32.so"),
                   os.path.join(workdir, "archive-run"))
    print("archive: %s, run from %s" % (os.path.basename(archive), moved))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", required=True, help="the build folder (CPackConfig.cmake)")
    parser.add_argument("--cpack", default="cpack", help="the cpack program")
    parser.add_argument("--libdir", default="lib/telvdelegate",
                        help="the folder of the install that holds the library")
    parser.add_argument("--version", default="1.0", help="the project's version")
    parser.add_argument("--keep", action="store_true", help="keep the work folder")
    args = parser.parse_args()
    for program in ("dpkg", "dpkg-deb", "dpkg-query", "man", "readelf", "ldd"):
        if shutil.which(program) is None:
            print("SKIPPED: %s is not installed" % program)
            return 77
    build = os.path.abspath(args.build)

    def test(workdir):
        out = os.path.join(workdir, "packages")
        os.makedirs(out)
        deb, archive = make_packages(args.cpack, build, out)
        arch = command(["dpkg", "--print-architecture"]).strip()
        check_deb(deb, args.version, arch, args.libdir, workdir)
        check_lintian(deb)

        root = os.path.join(workdir, "root")
        install_deb(deb, root, workdir)
        usr = os.path.join(root, "usr")
        check_programs(os.path.join(usr, "bin"),
                       os.path.join(usr, args.libdir, "libtelvwin32.so"),
                       os.path.join(workdir, "deb-run"))
        for name in ("telvdelegate", "telvemu"):
            check_page(name, os.path.join(usr, "share", "man"))
        print("installed into %s and run from there" % root)

        check_archive(archive, args.version, args.libdir, workdir)

    return run_in_folder("telv-package-", args.keep, test)


if __name__ == "__main__":
    sys.exit(main())
