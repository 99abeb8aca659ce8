A listing file reads the same whatever system wrote its line ends: a line
feed, a carriage return and line feed, or a lone carriage return; the last
line needs no line end, and a line end at the very end adds no empty line.

  $ printf 'FORMAT 1\n0002 0 0 0 0 a b\n# note\n0002 1 2 3 4 a c\n' > unix.txt
  $ printf 'FORMAT 1\r\n0002 0 0 0 0 a b\r\n# note\r\n0002 1 2 3 4 a c\r\n' > windows.txt
  $ printf 'FORMAT 1\r0002 0 0 0 0 a b\r# note\r0002 1 2 3 4 a c\r' > mac.txt
  $ printf 'FORMAT 1\n0002 0 0 0 0 a b\r\n# note\r0002 1 2 3 4 a c' > mixed.txt
  $ for f in unix windows mac mixed; do telvemu create $f; telvdelegate -i $f.txt $f | sed -n 10,13p; telvemu dump $f; done
  Delegate loaded: a <- b
  Delegate loaded: a <- c
  
  Delegates added:2, lines:4 errors:0
  1 0002 00000000 00000000 00000000 00000000 a b
  2 0002 00000001 00000002 00000003 00000004 a c
  Delegate loaded: a <- b
  Delegate loaded: a <- c
  
  Delegates added:2, lines:4 errors:0
  1 0002 00000000 00000000 00000000 00000000 a b
  2 0002 00000001 00000002 00000003 00000004 a c
  Delegate loaded: a <- b
  Delegate loaded: a <- c
  
  Delegates added:2, lines:4 errors:0
  1 0002 00000000 00000000 00000000 00000000 a b
  2 0002 00000001 00000002 00000003 00000004 a c
  Delegate loaded: a <- b
  Delegate loaded: a <- c
  
  Delegates added:2, lines:4 errors:0
  1 0002 00000000 00000000 00000000 00000000 a b
  2 0002 00000001 00000002 00000003 00000004 a c

The line numbers count each kind of line end once.

  $ printf 'FORMAT 1\r\n\r\n\r\rbad\r\n\n\rbad\n\r\nbad' | telvdelegate -i - unix | sed -n 10,14p
  Malformed delegate info: line 5: 'bad'
  Malformed delegate info: line 8: 'bad'
  Malformed delegate info: line 10: 'bad'
  
  Delegates added:0, lines:10 errors:0

A line of more than 2049 characters is cut to its first 2049 before it is
scanned, and the rest of it is dropped, not read as a line of its own.
Here the cut takes the delegate off the second line, and the third line's
number shows that nothing else was counted; a line of a megabyte is read
through to its end the same way. (Runs of ten or more of one character are
shown as <count character>.)

  $ python3 -c "import sys; sys.stdout.write('FORMAT 1\n' + ' ' * 2030 + '0002 0 0 0 0 alice bob\n' + 'x' * 3000 + '\n' + '0002 0 0 0 0 alice ' + 'c' * 2100 + ' dave\n' + 'y' * 1048576 + '\nlast\n')" > long.txt
  $ telvemu create srv1
  $ telvdelegate -i long.txt srv1 | sed -n 10,30p | python3 -c "import re, sys; sys.stdout.write(re.sub(r'(.)\1{9,}', lambda m: '<%d %s>' % (len(m.group(0)), m.group(1)), sys.stdin.read()))"
  Malformed delegate info: line 2: '<2030  >0002 0 0 0 0 alice '
  Malformed delegate info: line 3: '<2049 x>'
  Delegate name is too long: <80 c> / <21 c>
  Malformed delegate info: line 5: '<2049 y>'
  Malformed delegate info: line 6: 'last'
  
  Delegates added:0, lines:6 errors:1
  
  Disconnect from Telvane server: srv1, srv1
  Disconnected
  $ telvemu dump srv1 | wc -l
  0
