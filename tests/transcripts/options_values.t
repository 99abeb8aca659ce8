An option's value is never read as an option: here the server is named -l,
and x is left as a user ID.

  $ telvemu create -l
  $ telvemu add -l x y
  $ telvemu add -l z y
  $ telvdelegate -s -l x
  @CONNECTED -l@
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  x y
  delegators:1, delegates:1
  @DISCONNECTED -l@

After the server name nothing is an option any more: -d here is a user ID,
so the run lists rather than deletes and asks for no second user ID.

  $ telvemu create srv1
  $ telvdelegate srv1 -d
  @CONNECTED srv1@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED srv1@

With -s, the first argument after the options is a user ID too, and a
repeated -s keeps its last value.

  $ telvdelegate -s nosuch -s srv1 alice
  @CONNECTED srv1@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED srv1@
