Backup files of unknown history: whatever bytes a listing file holds, the
load reports what it cannot use, counts its lines right, and stores
nothing that the file does not say.

A file of random bytes is refused at its first line, which the message
quotes as it is, up to the line end (here, up to a NUL: the text ends
there).

  $ telvemu create srv
  $ python3 -c 'import random; r = random.Random(6); open("random.bin", "wb").write(bytes(r.randrange(256) for _ in range(65536)))'
  $ telvdelegate -i random.bin srv > out.txt
  [2]
  $ python3 -c 'import re, sys; first = re.split(rb"\r|\n", open("random.bin", "rb").read())[0][:2049].split(b"\0")[0]; sys.stdout.buffer.write(open("out.txt", "rb").read().replace(b"\x27" + first + b"\x27\n", b"(the first line, quoted)\n"))'
  @CONNECTED srv@
  Can't load input file, bad format (not 1): (the first line, quoted)
  @DISCONNECTED srv@

After a good header, every line of random bytes that is not blank or a
comment is reported as malformed with its number, and the count of lines
is that of the line rules (a line feed, a carriage return or the two
together end a line), as counted here independently.

  $ (printf 'FORMAT 1\n'; cat random.bin) > headed.bin
  $ telvdelegate -i headed.bin srv > out.txt
  [2]
  $ python3 -c 'import re; data = open("headed.bin", "rb").read(); lines = re.split(rb"\r\n|\r|\n", data); lines = lines[:-1] if lines[-1] == b"" else lines; used = [l for l in lines[1:] if l.lstrip(b" ")[:1] not in (b"", b"#", b";")]; print(len(lines), "lines,", len(used), "to report")'
  532 lines, 520 to report
  $ grep -a -c '^Malformed delegate info: line ' out.txt
  520
  $ grep -a -v '^Malformed delegate info: line ' out.txt
  @CONNECTED srv@
  
  Delegates added:0, lines:532 errors:0
  @DISCONNECTED srv@
  $ telvemu dump srv

A NUL byte is not text. A line that holds one is reported as malformed,
shown up to the NUL, rather than read as if it ended there: otherwise a
line starting with a NUL would pass for blank and a user ID would be cut
short without a word. A comment may hold one.

  $ printf 'FORMAT 1\n0002 0FFFFFFF 00000000 00000000 00000000 alice bob\0\n\0 0002 0FFFFFFF 00000000 00000000 00000000 carol dave\n0002 0FFFFFFF 00000000 00000000 00000000 erin fr\0ank\n# a comment \0 with a NUL\n0002 0FFFFFFF 00000000 00000000 00000000 gina hal\n' > nul.txt
  $ telvdelegate -i nul.txt srv | cat -v
  @CONNECTED srv@
  Malformed delegate info: line 2: '0002 0FFFFFFF 00000000 00000000 00000000 alice bob'
  Malformed delegate info: line 3: ''
  Malformed delegate info: line 4: '0002 0FFFFFFF 00000000 00000000 00000000 erin fr'
  Delegate loaded: gina <- hal
  
  Delegates added:1, lines:6 errors:0
  @DISCONNECTED srv@
  $ telvemu dump srv
  1 0002 0FFFFFFF 00000000 00000000 00000000 gina hal

A line of a megabyte is no listing line: it is reported as malformed with
its first hundred characters, and nothing of it is stored, not even a good
delegation at its start; the rest is read and dropped, never taken for
lines of its own.

  $ telvemu create big
  $ python3 -c 'mb = 1 << 20; open("long.txt", "w").write("FORMAT 1\n0002 0FFFFFFF 00000000 00000000 00000000 alice bob " + "z" * mb + "\n" + "x" * mb + "\n0002 0FFFFFFF 00000000 00000000 00000000 " + "a" * mb + " b\n0002 0FFFFFFF 00000000 00000000 00000000 carol dave\n")'
  $ telvdelegate -i long.txt big
  @CONNECTED big@
  Malformed delegate info: line 2: longer than 2049 characters: '0002 0FFFFFFF 00000000 00000000 00000000 alice bob zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz'...
  Malformed delegate info: line 3: longer than 2049 characters: 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx'...
  Malformed delegate info: line 4: longer than 2049 characters: '0002 0FFFFFFF 00000000 00000000 00000000 aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'...
  Delegate loaded: carol <- dave
  
  Delegates added:1, lines:5 errors:0
  @DISCONNECTED big@
  [2]
  $ telvemu dump big
  1 0002 0FFFFFFF 00000000 00000000 00000000 carol dave

A hundred thousand comment lines are read through, and counted.

  $ telvemu create quiet
  $ python3 -c 'open("comments.txt", "w").write("FORMAT 1\n" + "".join("# comment %d\n" % n for n in range(100000)) + "0002 0FFFFFFF 00000000 00000000 00000000 alice bob\n")'
  $ telvdelegate -i comments.txt quiet
  @CONNECTED quiet@
  Delegate loaded: alice <- bob
  
  Delegates added:1, lines:100002 errors:0
  @DISCONNECTED quiet@
