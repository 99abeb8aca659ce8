On Windows the wait between connection attempts is the system's own Sleep,
which no emulator setting shortens: a server that refuses the first attempt
costs a real wait of ten seconds before the second.

  $ telvemu create srv1
  $ telvemu fault srv1 connect 1 -1073741819 'Server is busy, try again later'
  $ start=$SECONDS; telvdelegate srv1; echo "waited at least 10 s: $(( SECONDS - start >= 10 ))"
  @BANNER@
  Telvane API version: 12/06/2008 00:00:00Z
  Server: srv1
  Connecting to Telvane server: srv1
  Connect(1) to Telvane server: srv1
  Connect failed to Telvane server: srv1, error -1073741819: Server is busy, try again later
  Connect(2) to Telvane server: srv1
  Connected to Telvane server:  srv1
  
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED srv1@
  waited at least 10 s: 1

The refusal is used up: the next run connects at once.

  $ start=$SECONDS; telvdelegate srv1; echo "waited: $(( SECONDS - start >= 10 ))"
  @CONNECTED srv1@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED srv1@
  waited: 0

