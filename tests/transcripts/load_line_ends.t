A listing file reads the same whatever system wrote its line ends: a line
feed, a carriage return and line feed, or a lone carriage return; the last
line needs no line end, and a line end at the very end adds no empty line.

  $ printf 'FORMAT 1\n0002 0 0 0 0 a b\n# note\n0002 1 2 3 4 a c\n' > unix.txt
  $ printf 'FORMAT 1\r\n0002 0 0 0 0 a b\r\n# note\r\n0002 1 2 3 4 a c\r\n' > windows.txt
  $ printf 'FORMAT 1\r0002 0 0 0 0 a b\r# note\r0002 1 2 3 4 a c\r' > mac.txt
  $ printf 'FORMAT 1\n0002 0 0 0 0 a b\r\n# note\r0002 1 2 3 4 a c' > mixed.txt
  $ for f in unix windows mac mixed; do telvemu create $f; telvdelegate -i $f.txt $f; telvemu dump $f; done
  @CONNECTED unix@
  Delegate loaded: a <- b
  Delegate loaded: a <- c
  
  Delegates added:2, lines:4 errors:0
  @DISCONNECTED unix@
  1 0002 00000000 00000000 00000000 00000000 a b
  2 0002 00000001 00000002 00000003 00000004 a c
  @CONNECTED windows@
  Delegate loaded: a <- b
  Delegate loaded: a <- c
  
  Delegates added:2, lines:4 errors:0
  @DISCONNECTED windows@
  1 0002 00000000 00000000 00000000 00000000 a b
  2 0002 00000001 00000002 00000003 00000004 a c
  @CONNECTED mac@
  Delegate loaded: a <- b
  Delegate loaded: a <- c
  
  Delegates added:2, lines:4 errors:0
  @DISCONNECTED mac@
  1 0002 00000000 00000000 00000000 00000000 a b
  2 0002 00000001 00000002 00000003 00000004 a c
  @CONNECTED mixed@
  Delegate loaded: a <- b
  Delegate loaded: a <- c
  
  Delegates added:2, lines:4 errors:0
  @DISCONNECTED mixed@
  1 0002 00000000 00000000 00000000 00000000 a b
  2 0002 00000001 00000002 00000003 00000004 a c

The line numbers count each kind of line end once.

  $ printf 'FORMAT 1\r\n\r\n\r\rbad\r\n\n\rbad\n\r\nbad' | telvdelegate -i - unix
  @CONNECTED unix@
  Malformed delegate info: line 5: 'bad'
  Malformed delegate info: line 8: 'bad'
  Malformed delegate info: line 10: 'bad'
  
  Delegates added:0, lines:10 errors:0
  @DISCONNECTED unix@
  [2]

A line of more than 2049 characters is no line the tool writes: it is
reported as malformed with its beginning, nothing of it is stored, and the
rest of it is read and dropped, not read as a line of its own. Here the cut
would take the delegate off the fourth line, and leave "bo" of "bobby" on
the fifth; the last line's number shows that nothing else was counted; a
line of a megabyte is read through to its end the same way. Blanks count
as blanks through the whole line: past the cut they neither hide the
delegation of the seventh line nor make a delegation of the comment and
the blank line after it. (Runs of ten or more of one character are shown
as <count character>.)

  $ python3 -c "import sys; sys.stdout.write('FORMAT 1\n' + ' ' * 2030 + '0002 0 0 0 0 alice bob\n' + 'x' * 3000 + '\n' + '0002 0 0 0 0 alice ' + 'c' * 2100 + ' dave\n' + '0002 0 0 0 0 alice' + ' ' * 2029 + 'bobby\n' + 'y' * 1048576 + '\n' + ' ' * 2049 + '0002 0FFFFFFF 0 0 0 carol dave\n' + ' ' * 3000 + '# note\n' + ' ' * 3000 + '\nlast\n')" > long.txt
  $ telvemu create srv1
  $ telvdelegate -i long.txt srv1 > out.txt
  [2]
  $ python3 -c "import re, sys; sys.stdout.write(re.sub(r'(.)\1{9,}', lambda m: '<%d %s>' % (len(m.group(0)), m.group(1)), sys.stdin.read()))" < out.txt
  @CONNECTED srv1@
  Malformed delegate info: line 2: longer than 2049 characters: '<100  >'...
  Malformed delegate info: line 3: longer than 2049 characters: '<100 x>'...
  Malformed delegate info: line 4: longer than 2049 characters: '0002 0 0 0 0 alice <81 c>'...
  Malformed delegate info: line 5: longer than 2049 characters: '0002 0 0 0 0 alice<82  >'...
  Malformed delegate info: line 6: longer than 2049 characters: '<100 y>'...
  Malformed delegate info: line 7: longer than 2049 characters: '<100  >'...
  Malformed delegate info: line 10: 'last'
  
  Delegates added:0, lines:10 errors:0
  @DISCONNECTED srv1@
  $ telvemu dump srv1 | wc -l
  0
