A comparison checks a listing file against a server and changes nothing.
A server restored from the demo server's backup holds what the backup
holds: no differences, status 0. The demo server itself holds one pair
twice, with other permissions, and a restore would leave one copy: status
5.

  $ telvemu demo
  $ telvdelegate -o demo.txt demo > /dev/null
  $ telvemu create standby
  $ telvdelegate -i demo.txt standby > /dev/null
  $ telvdelegate -c demo.txt standby
  @CONNECTED standby@
  
  Pairs compared:7, only on server:0, only in file:0, other permissions:0, repeated:0
  @DISCONNECTED standby@
  $ telvdelegate -c demo.txt demo
  @CONNECTED demo@
  Other permissions:  frontdesk <- JMiller
  Repeated on server: FrontDesk <- JMiller
  
  Pairs compared:7, only on server:0, only in file:0, other permissions:1, repeated:1
  @DISCONNECTED demo@
  [5]

Each kind of difference, in the listing's order; with -l the permissions
of both sides. The server is left as it was.

  $ telvemu add standby Extra bob
  $ telvdelegate -ar standby CEO-Office plarsen > /dev/null
  $ telvdelegate -d standby Support '*' > /dev/null
  $ telvemu add standby SALES Anna.Schmidt
  $ telvemu dump standby > before.txt
  $ telvdelegate -l -c demo.txt standby
  @CONNECTED standby@
  Other permissions:  CEO-Office <- PLarsen  file 0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF  server 0002 0FFFFFFF 00000000 00000000 00000000
  Only on server:     Extra <- bob
  Repeated on server: Sales <- anna.schmidt
  Only in file:       Support <- anna.schmidt
  
  Pairs compared:8, only on server:1, only in file:1, other permissions:1, repeated:1
  @DISCONNECTED standby@
  [5]
  $ telvemu dump standby | cmp - before.txt && echo unchanged
  unchanged

Delegator patterns apply to both sides; -q leaves out the lines of the
differences, not the summary.

  $ telvdelegate -q -c demo.txt standby 's*' 'e*'
  @CONNECTED standby@
  
  Pairs compared:3, only on server:1, only in file:1, other permissions:0, repeated:1
  @DISCONNECTED standby@
  [5]

The file is read as a load reads it: a malformed line is reported and
leaves the comparison incomplete, status 2, after what it found. So does a
list the server cannot give, and a file that cannot be opened is status 4.

  $ printf 'FORMAT 1\n0002 0FFFFFFF 0 0 0 Extra bob\nExtra bob\n' | telvdelegate -c - standby Extra
  @CONNECTED standby@
  Malformed delegate info: line 3: 'Extra bob'
  
  Pairs compared:1, only on server:0, only in file:0, other permissions:0, repeated:0
  @DISCONNECTED standby@
  [2]
  $ telvemu fault standby list 10006
  $ telvdelegate -c demo.txt standby
  @CONNECTED standby@
  Can't retrieve delegates list: standby
  @DISCONNECTED standby@
  [2]
  $ telvdelegate -c missing.txt standby
  @BANNER@
  Can't open/read input file: missing.txt: No such file or directory
  [4]
