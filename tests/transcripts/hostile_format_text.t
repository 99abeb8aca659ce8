Text that looks like a format is printed as it stands, wherever it comes
from: no argument, file line or server answer is ever used as a format.

A server name, and user IDs on the server:

  $ telvemu create '%s%n%x'
  $ telvemu add '%s%n%x' '%n%n%n%n' '%s%s%s%s'
  $ telvemu add '%s%n%x' '%x%x%x' '%p%p' 0002 FFFFFFFF 0 0 0
  $ telvdelegate '%s%n%x'
  @CONNECTED %s%n%x@
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  %n%n%n%n %s%s%s%s
     2    2  %x%x%x %p%p
  delegators:2, delegates:2
  @DISCONNECTED %s%n%x@
  $ telvdelegate -o saved.txt '%s%n%x' '%*' > /dev/null
  $ cat saved.txt
  FORMAT 1
  0002 0FFFFFFF 00000000 00000000 00000000 %n%n%n%n %s%s%s%s
  0002 FFFFFFFF 00000000 00000000 00000000 %x%x%x %p%p

The same user IDs loaded from that file, and the file's own malformed
lines and header quoted in messages:

  $ telvemu create copy
  $ telvdelegate -i saved.txt copy
  @CONNECTED copy@
  Delegate loaded: %n%n%n%n <- %s%s%s%s
  Delegate loaded: %x%x%x <- %p%p
  
  Delegates added:2, lines:3 errors:0
  @DISCONNECTED copy@
  $ printf 'FORMAT 1\n%%s%%n%%x%%n\n0002 1 2 3 4 %%n\n' > bad.txt
  $ telvdelegate -i bad.txt copy
  @CONNECTED copy@
  Malformed delegate info: line 2: '%s%n%x%n'
  Malformed delegate info: line 3: '0002 1 2 3 4 %n'
  
  Delegates added:0, lines:3 errors:0
  @DISCONNECTED copy@
  [2]
  $ printf '%%s%%n FORMAT 1\n' > header.txt
  $ telvdelegate -i header.txt copy
  @CONNECTED copy@
  Can't load input file, bad format (not 1): '%s%n FORMAT 1'
  @DISCONNECTED copy@
  [2]

On the command line: adding, patterns, and user IDs too long to store.

  $ telvdelegate -aa copy '%n%s' '%s%n%x' '%99999999s%n' '%n%n%n%n%n%n%n%n%n%n%n'
  @CONNECTED copy@
  Delegate loaded: %n%s <- %s%n%x
  Delegate loaded: %n%s <- %99999999s%n
  Delegate name is too long: %n%n%n%n%n%n%n%n%n%n%n / %n%n%n%n%n%n%n%n%n%n%
  
  Delegates added:2, errors:1
  @DISCONNECTED copy@
  [2]
  $ telvdelegate -d copy '%n*' '%s%n%x'
  @CONNECTED copy@
  Delegate removed:  %n%s <- %s%n%x
  Delegates removed: 1
  @DISCONNECTED copy@
  $ telvdelegate -l copy '%?%*'
  @CONNECTED copy@
  Retrieving in-box delegates list...
  Sorting delegates list...
  FORMAT 1
  0002 0FFFFFFF 00000000 00000000 00000000 %n%n%n%n %s%s%s%s
  0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF %n%s %99999999s%n
  0002 FFFFFFFF 00000000 00000000 00000000 %x%x%x %p%p
  delegators:3, delegates:3
  @DISCONNECTED copy@
  $ telvdelegate -i missing%s%n.txt copy
  @BANNER@
  Can't open/read input file: missing%s%n.txt: No such file or directory
  [4]

An error text from the server:

  $ telvemu fault copy connect 1 7 'Lost %s%n%x%n'
  $ telvdelegate copy
  @BANNER@
  Telvane API version: 12/06/2008 00:00:00Z
  Server: copy
  Connecting to Telvane server: copy
  Connect(1) to Telvane server: copy
  Connect failed to Telvane server: copy, error 7: Lost %s%n%x%n
  Connect(2) to Telvane server: copy
  Connected to Telvane server:  copy
  
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  %n%n%n%n %s%s%s%s
     2    2  %n%s %99999999s%n
     3    3  %x%x%x %p%p
  delegators:3, delegates:3
  @DISCONNECTED copy@
