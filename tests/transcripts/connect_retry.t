A server that answers only at the third attempt: two failures, each with
its wait, then the connection; the listing of the empty server runs between
the two empty lines.

  $ telvemu create srv1
  $ telvemu fault srv1 connect 2 -1073741819 'Server is busy, try again later'
  $ TELVEMU_SLEEP_LOG=sleep.log telvdelegate srv1
  @BANNER@
  Telvane API version: 12/06/2008 00:00:00Z
  Server: srv1
  Connecting to Telvane server: srv1
  Connect(1) to Telvane server: srv1
  Connect failed to Telvane server: srv1, error -1073741819: Server is busy, try again later
  Connect(2) to Telvane server: srv1
  Connect failed to Telvane server: srv1, error -1073741819: Server is busy, try again later
  Connect(3) to Telvane server: srv1
  Connected to Telvane server:  srv1
  
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED srv1@
  $ cat sleep.log
  Sleep(10000)
  Sleep(10000)

The refusals are used up: the next run connects at once and waits not at all.

  $ TELVEMU_SLEEP_LOG=sleep2.log telvdelegate srv1
  @CONNECTED srv1@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED srv1@
  $ ls sleep2.log
  ls: cannot access 'sleep2.log': No such file or directory
  [2]
