#!/bin/busybox sh
# The first process of the virtual machine that vm_run.py boots, from its
# initramfs beside busybox and the kernel's modules. It mounts the host's
# root read-only over 9p with a memory-backed overlay on top, so that every
# path of the host holds in the machine (/tmp too, where the sources may be)
# and writes land nowhere, then the one read-write share at its own path on
# the host, and runs the share's command file as the host's user. The
# kernel's command line gives the share's path, the user and the group
# (TELV_VM_SHARE, TELV_VM_UID, TELV_VM_GID), which the kernel hands to init
# as its environment.
/bin/busybox --install -s /bin
mount -t proc proc /proc
mount -t devtmpfs dev /dev
# In the order vm_run.py lists them, that of their dependencies.
for module in $(cat /modules); do
  insmod "$(find /lib/modules -name "$module.ko")"
done
mkdir -p /host /rw /root
# The host's files do not change while the machine runs: its page cache may
# keep them.
mount -t 9p -o trans=virtio,version=9p2000.L,msize=512000,cache=loose,ro host /host
mount -t tmpfs rw /rw
mkdir /rw/upper /rw/work
mount -t overlay root -o lowerdir=/host,upperdir=/rw/upper,workdir=/rw/work /root
mount -t proc proc /root/proc
mount -t sysfs sys /root/sys
mount -t devtmpfs dev /root/dev
mkdir -p /root/dev/pts
mount -t devpts devpts /root/dev/pts
mount -t 9p -o trans=virtio,version=9p2000.L,msize=512000 share "/root$TELV_VM_SHARE"
chroot /root /usr/bin/setpriv --reuid="$TELV_VM_UID" --regid="$TELV_VM_GID" --clear-groups \
  /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin HOME=/tmp LANG=C.UTF-8 \
  /bin/sh "$TELV_VM_SHARE/command"
sync
poweroff -f
