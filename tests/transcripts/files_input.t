An input file that cannot be opened ends the run with status 4 before the
library is asked anything and before any connection is tried.

  $ telvemu create srv1
  $ telvdelegate -i missing.txt srv1
  @BANNER@
  Can't open/read input file: missing.txt: No such file or directory
  [4]

A directory is no input file, though some systems open one for reading
without complaint: the run ends as for a file that cannot be opened,
instead of loading nothing as from an empty file.

  $ mkdir backups
  $ telvdelegate -i backups srv1
  @BANNER@
  Can't open/read input file: backups: Is a directory
  [4]

Standard input is only read once the server is connected; when it is a
directory, the load reports the failed read and stops without a summary.

  $ telvdelegate -i - srv1 < backups
  @CONNECTED srv1@
  Can't read input file: line 1: Is a directory
  @DISCONNECTED srv1@
  [4]

A read that fails part-way (here a terminal hung up after two lines) stops
the load there, without a summary, and ends the run with status 4 too: a
restore cut short never passes for a whole one.

  $ python3 -c 'import os, pty, subprocess, tty; m, s = pty.openpty(); tty.setraw(s); os.write(s, b"FORMAT 1\n0002 0 0 0 0 alice bob\n0002 0 0 0 0 alice carol\n"); os.close(s); raise SystemExit(subprocess.run(["telvdelegate", "-i", "-", "srv1"], stdin=m).returncode)'
  @CONNECTED srv1@
  Delegate loaded: alice <- bob
  Delegate loaded: alice <- carol
  Can't read input file: line 4: Input/output error
  @DISCONNECTED srv1@
  [4]
  $ telvemu dump srv1
  1 0002 00000000 00000000 00000000 00000000 alice bob
  2 0002 00000000 00000000 00000000 00000000 alice carol

A standard output that cannot be written says more than the failed read:
the report of the read went nowhere either.

  $ python3 -c 'import os, pty, subprocess, tty; m, s = pty.openpty(); tty.setraw(s); os.write(s, b"FORMAT 1\n"); os.close(s); raise SystemExit(subprocess.run(["telvdelegate", "-i", "-", "srv1"], stdin=m, stdout=open("/dev/full", "w")).returncode)'
  Can't write standard output: No space left on device
  [3]

A closed standard input is no input either, and ends the run before the
server is tried.

  $ telvdelegate -i - srv1 <&-
  @BANNER@
  Can't open/read input file: -: Bad file descriptor
  [4]

An input file named "-" is standard input, and the run goes on.

  $ printf 'FORMAT 1\n' | telvdelegate -i - srv1
  @CONNECTED srv1@
  
  Delegates added:0, lines:1 errors:0
  @DISCONNECTED srv1@
