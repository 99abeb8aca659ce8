Text that looks like a format is printed as it stands, wherever it comes
from: no argument, file line or server answer is ever used as a format.

A server name, and user IDs on the server:

  $ telvemu create '%s%n%x'
  $ telvemu add '%s%n%x' '%n%n%n%n' '%s%s%s%s'
  $ telvemu add '%s%n%x' '%x%x%x' '%p%p' 0002 FFFFFFFF 0 0 0
  $ telvdelegate '%s%n%x'
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Telvane API version: 12/06/2008 00:00:00Z
  Server: %s%n%x
  Connecting to Telvane server: %s%n%x
  Connect(1) to Telvane server: %s%n%x
  Connected to Telvane server:  %s%n%x
  
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  %n%n%n%n %s%s%s%s
     2    2  %x%x%x %p%p
  delegators:2, delegates:2
  
  Disconnect from Telvane server: %s%n%x, %s%n%x
  Disconnected
  $ telvdelegate -o saved.txt '%s%n%x' '%*' > /dev/null
  $ cat saved.txt
  FORMAT 1
  0002 0FFFFFFF 00000000 00000000 00000000 %n%n%n%n %s%s%s%s
  0002 FFFFFFFF 00000000 00000000 00000000 %x%x%x %p%p

The same user IDs loaded from that file, and the file's own malformed
lines and header quoted in messages:

  $ telvemu create copy
  $ telvdelegate -i saved.txt copy | sed -n '10,$p'
  Delegate loaded: %n%n%n%n <- %s%s%s%s
  Delegate loaded: %x%x%x <- %p%p
  
  Delegates added:2, lines:3 errors:0
  
  Disconnect from Telvane server: copy, copy
  Disconnected
  $ printf 'FORMAT 1\n%%s%%n%%x%%n\n0002 1 2 3 4 %%n\n' > bad.txt
  $ telvdelegate -i bad.txt copy | sed -n '10,$p'
  Malformed delegate info: line 2: '%s%n%x%n'
  Malformed delegate info: line 3: '0002 1 2 3 4 %n'
  
  Delegates added:0, lines:3 errors:0
  
  Disconnect from Telvane server: copy, copy
  Disconnected
  $ printf '%%s%%n FORMAT 1\n' > header.txt
  $ telvdelegate -i header.txt copy | sed -n 10p
  Can't load input file, bad format (not 1): '%s%n FORMAT 1'

On the command line: adding, patterns, and user IDs too long to store.

  $ telvdelegate -aa copy '%n%s' '%s%n%x' '%99999999s%n' '%n%n%n%n%n%n%n%n%n%n%n' | sed -n '10,$p'
  Delegate loaded: %n%s <- %s%n%x
  Delegate loaded: %n%s <- %99999999s%n
  Delegate name is too long: %n%n%n%n%n%n%n%n%n%n%n / %n%n%n%n%n%n%n%n%n%n%
  
  Delegates added:2, errors:1
  
  Disconnect from Telvane server: copy, copy
  Disconnected
  $ telvdelegate -d copy '%n*' '%s%n%x' | sed -n '10,$p'
  Delegate removed:  %n%s <- %s%n%x
  Delegates removed: 1
  
  Disconnect from Telvane server: copy, copy
  Disconnected
  $ telvdelegate -l copy '%?%*' | sed -n '10,$p'
  Retrieving in-box delegates list...
  Sorting delegates list...
  FORMAT 1
  0002 0FFFFFFF 00000000 00000000 00000000 %n%n%n%n %s%s%s%s
  0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF %n%s %99999999s%n
  0002 FFFFFFFF 00000000 00000000 00000000 %x%x%x %p%p
  delegators:3, delegates:3
  
  Disconnect from Telvane server: copy, copy
  Disconnected
  $ telvdelegate -i missing%s%n.txt copy | sed -n 4p
  Can't open/read input file: missing%s%n.txt: No such file or directory

An error text from the server:

  $ telvemu fault copy connect 1 7 'Lost %s%n%x%n'
  $ telvdelegate copy | sed -n '6,9p'
  Connecting to Telvane server: copy
  Connect(1) to Telvane server: copy
  Connect failed to Telvane server: copy, error 7: Lost %s%n%x%n
  Connect(2) to Telvane server: copy
