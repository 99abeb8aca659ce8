#!/usr/bin/env python3
"""Runs the Wine tests of a 32-bit Windows build in a small virtual machine,
for a machine whose kernel refuses 32-bit code, where Wine's 32-bit loader
cannot start. Debian's 64-bit kernel in QEMU runs it, under software
emulation (TCG: no KVM needed), on the host's own files.

usage: vm_run.py image DIR
       vm_run.py prefix WINE64 PREFIX
       vm_run.py boot DIR SHARE BATCH
       vm_run.py inside BATCH RESULTS
       vm_run.py result RESULTS NAME

image: in DIR, the kernel that Debian's linux-image-amd64 names and
busybox-static, fetched with apt-get download and only unpacked: the kernel
uncompressed, which boots seconds sooner under emulation, and an initramfs
of busybox, vm_init.sh as its init and the modules it loads, listed in
order. Kept once made, until vm_init.sh or this script changes.

prefix: the Wine prefix the tests run in, made by the host's 64-bit Wine,
which runs here, in seconds (under emulation it takes minutes). Its 32-bit
half, which 32-bit Wine cannot add here, is the DLLs in syswow64: linked to
32-bit Wine's own, which Wine then loads as its builtin ones. Kept once made.

boot: boots the machine with the host's root read-only and SHARE read-write
at its own path, prints its console, and fails unless it ran every test of
BATCH. In it, "inside" runs each line of BATCH, a test's name and its
shell-quoted command line, in order, keeping its output and exit status in
RESULTS.

result: prints a test's output and exits with its status, so that ctest
shows each test of the batch as passed or failed.
"""

import concurrent.futures
import glob
import lzma
import os
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
# The kernel's modules the machine needs, in the order of their
# dependencies: the PCI transport, 9p over it, overlay. The initramfs lists
# them in that order for vm_init.sh to load.
MODULES = ("virtio_ring virtio virtio_pci_legacy_dev virtio_pci_modern_dev virtio_pci "
           "netfs fscache 9pnet 9pnet_virtio 9p overlay").split()
WINE32_DLLS = "/usr/lib/i386-linux-gnu/wine/i386-windows"
XZ_MAGIC = b"\xfd7zXZ\x00"
APT = ["apt-get", "-q", "-o", "APT::Sandbox::User=root"]


def unpack(deb, folder, members):
    """Unpacks the files of a package that match the patterns."""
    contents = subprocess.Popen(["dpkg-deb", "--fsys-tarfile", deb], stdout=subprocess.PIPE)
    subprocess.run(["tar", "-x", "-C", folder, "--wildcards"] + members, stdin=contents.stdout,
                   check=True)
    contents.wait()


def image(folder):
    kernel, initrd = os.path.join(folder, "vmlinux"), os.path.join(folder, "initrd")
    init = os.path.join(HERE, "vm_init.sh")
    if (os.path.exists(kernel) and os.path.exists(initrd) and os.path.getmtime(initrd) >
            max(os.path.getmtime(init), os.path.getmtime(os.path.abspath(__file__)))):
        return 0
    os.makedirs(folder, exist_ok=True)
    work = tempfile.mkdtemp(dir=folder)
    depends = subprocess.run(["apt-cache", "depends", "linux-image-amd64"], check=True,
                             stdout=subprocess.PIPE, text=True).stdout.split()
    package = depends[depends.index("Depends:") + 1]
    subprocess.run(APT + ["download", package, "busybox-static"], cwd=work, check=True,
                   stdout=subprocess.DEVNULL)
    # The initramfs, as unpacked: bin/busybox and lib/modules/.
    root = os.path.join(work, "root")
    os.mkdir(root)
    unpack(glob.glob(os.path.join(work, "busybox-static_*.deb"))[0], root, ["./bin/busybox"])
    unpack(glob.glob(os.path.join(work, package + "_*.deb"))[0], root,
           ["./boot/vmlinuz-*"] + ["*/%s.ko" % module for module in MODULES])
    # A bzImage: set-up code, then the kernel as one xz stream.
    with open(glob.glob(os.path.join(root, "boot", "vmlinuz-*"))[0], "rb") as f:
        compressed = f.read()
    with open(kernel + ".new", "wb") as f:
        f.write(lzma.LZMADecompressor().decompress(compressed[compressed.index(XZ_MAGIC):]))
    shutil.rmtree(os.path.join(root, "boot"))
    with open(os.path.join(root, "modules"), "w") as f:
        f.write("\n".join(MODULES) + "\n")
    shutil.copy(init, os.path.join(root, "init"))
    os.chmod(os.path.join(root, "init"), 0o755)
    os.mkdir(os.path.join(root, "proc"))
    os.mkdir(os.path.join(root, "dev"))
    files = subprocess.run(["find", "."], cwd=root, check=True, stdout=subprocess.PIPE).stdout
    with open(initrd + ".new", "wb") as f:
        subprocess.run([os.path.join(root, "bin", "busybox"), "cpio", "-o", "-H", "newc"],
                       cwd=root, input=files, stdout=f, stderr=subprocess.DEVNULL, check=True)
    shutil.rmtree(work)
    os.rename(initrd + ".new", initrd)
    os.rename(kernel + ".new", kernel)
    return 0


def prefix(wine64, folder):
    if os.path.exists(os.path.join(folder, "system.reg")):
        return 0
    os.makedirs(os.path.dirname(folder), exist_ok=True)
    # Without Mono and Gecko, which are not installed and which no test uses.
    env = dict(os.environ, WINEPREFIX=folder, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    # Its 32-bit half cannot start here; the links below stand for it.
    subprocess.run([wine64, "wineboot", "--init"], env=env)
    subprocess.run([os.path.join(os.path.dirname(wine64), "wineserver"), "--wait"], env=env)
    syswow64 = os.path.join(folder, "drive_c", "windows", "syswow64")
    for name in os.listdir(WINE32_DLLS):
        link = os.path.join(syswow64, name)
        if not os.path.lexists(link):
            os.symlink(os.path.join(WINE32_DLLS, name), link)
    return 0 if os.path.exists(os.path.join(folder, "system.reg")) else 1


def tests(batch):
    with open(batch) as f:
        return [shlex.split(line) for line in f if line.strip()]


def boot(folder, share, batch):
    results = os.path.join(share, "results")
    shutil.rmtree(results, ignore_errors=True)
    os.makedirs(results)
    with open(os.path.join(share, "command"), "w") as f:
        f.write("exec %s\n" % shlex.join([sys.executable, os.path.abspath(__file__), "inside",
                                          os.path.abspath(batch), results]))
    settings = "TELV_VM_SHARE=%s TELV_VM_UID=%d TELV_VM_GID=%d" % (
        os.path.abspath(share), os.getuid(), os.getgid())
    start = time.monotonic()
    subprocess.run([
        "qemu-system-x86_64", "-M", "pc", "-accel", "tcg,thread=multi", "-smp", "2", "-m", "2G",
        # QEMU 7.2's emulation of SMAP faults on the return to 32-bit user
        # code that Wine makes, and kills the program.
        "-cpu", "max,-smap",
        "-display", "none", "-vga", "none", "-serial", "stdio", "-monitor", "none", "-nic", "none",
        "-no-reboot", "-kernel", os.path.join(folder, "vmlinux"),
        "-initrd", os.path.join(folder, "initrd"),
        # The TSC is a far cheaper clock to emulate than the HPET, and Wine
        # reads the clock often.
        "-append", "console=ttyS0 quiet panic=-1 tsc=reliable " + settings,
        "-virtfs", "local,path=/,mount_tag=host,security_model=none,readonly=on,multidevs=remap",
        "-virtfs", "local,path=%s,mount_tag=share,security_model=none" % share,
    ], stdin=subprocess.DEVNULL, check=False)
    missing = [test[0] for test in tests(batch)
               if not os.path.exists(os.path.join(results, test[0] + ".status"))]
    print("virtual machine: %.0f s%s" % (time.monotonic() - start,
                                        "; not run: " + " ".join(missing) if missing else ""))
    return 1 if missing else 0


def inside(batch, results):
    with open("/proc/uptime") as f:
        print("booted in %s s" % f.read().split()[0], flush=True)

    def run(test):
        start = time.monotonic()
        with open(os.path.join(results, test[0] + ".out"), "wb") as out:
            status = subprocess.run(test[1:], stdin=subprocess.DEVNULL, stdout=out,
                                    stderr=subprocess.STDOUT).returncode
        with open(os.path.join(results, test[0] + ".status"), "w") as f:
            f.write("%d\n" % status)
        print("%s: status %d, %.0f s" % (test[0], status, time.monotonic() - start), flush=True)

    # Two at a time on the machine's two processors, as ctest runs them where
    # Wine runs natively: the batch takes a quarter less time.
    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        list(pool.map(run, tests(batch)))
    return 0


def result(results, name):
    try:
        with open(os.path.join(results, name + ".status")) as f:
            status = int(f.read())
    except OSError:
        print("%s: not run: the virtual machine did not run its batch to this test" % name)
        return 1
    with open(os.path.join(results, name + ".out"), "rb") as f:
        sys.stdout.buffer.write(f.read())
    return status


def main():
    commands = {"image": image, "prefix": prefix, "boot": boot, "inside": inside, "result": result}
    return commands[sys.argv[1]](*sys.argv[2:])


if __name__ == "__main__":
    sys.exit(main())
