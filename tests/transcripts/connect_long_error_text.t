An error text of 600 characters is cut to its first 500 in the failure line
(its last 489 characters shown as <489 x>).

  $ telvemu create srv1
  $ telvemu fault srv1 connect 1 7 "Link lost: $(printf 'x%.0s' {1..589})"
  $ telvdelegate srv1 > out.txt
  $ sed 's/x\{489\}$/<489 x>/' out.txt
  @BANNER@
  Telvane API version: 12/06/2008 00:00:00Z
  Server: srv1
  Connecting to Telvane server: srv1
  Connect(1) to Telvane server: srv1
  Connect failed to Telvane server: srv1, error 7: Link lost: <489 x>
  Connect(2) to Telvane server: srv1
  Connected to Telvane server:  srv1
  
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED srv1@
