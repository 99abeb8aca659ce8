On Windows the wait between connection attempts is the system's own Sleep,
which no emulator setting shortens: a server that refuses the first attempt
costs a real wait of ten seconds before the second.

  $ telvemu create srv1
  $ telvemu fault srv1 connect 1 -1073741819 'Server is busy, try again later'
  $ start=$SECONDS; telvdelegate srv1; echo "waited at least 10 s: $(( SECONDS - start >= 10 ))"
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
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
  
  Disconnect from Telvane server: srv1, srv1
  Disconnected
  waited at least 10 s: 1

The refusal is used up: the next run connects at once.

  $ start=$SECONDS; telvdelegate srv1 | sed -n 6,8p; echo "waited: $(( SECONDS - start >= 10 ))"
  Connecting to Telvane server: srv1
  Connect(1) to Telvane server: srv1
  Connected to Telvane server:  srv1
  waited: 0

