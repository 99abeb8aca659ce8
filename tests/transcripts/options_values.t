An option's value is never read as an option: here the server is named -l,
and x is left as a user ID.

  $ telvdelegate -s -l x | sed -n 5,7p
  Server: -l
  Connecting to Telvane server: -l
  Connect(1) to Telvane server: -l

After the server name nothing is an option any more: -d here is a user ID,
so the run lists rather than deletes and asks for no second user ID.

  $ telvemu create srv1
  $ telvdelegate srv1 -d
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Telvane API version: 12/06/2008 00:00:00Z
  Server: srv1
  Connecting to Telvane server: srv1
  Connect(1) to Telvane server: srv1
  Connected to Telvane server:  srv1
  
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  
  Disconnect from Telvane server: srv1, srv1
  Disconnected

With -s, the first argument after the options is a user ID too, and a
repeated -s keeps its last value.

  $ telvdelegate -s nosuch -s srv1 alice | sed -n 5p
  Server: srv1
