A server whose release fails the check: the connection is made, refused,
and closed when the tool is destroyed; the run ends with status 1.

  $ telvemu create srv1
  $ telvemu fault srv1 release 1
  $ telvdelegate srv1
  @BANNER@
  Telvane API version: 12/06/2008 00:00:00Z
  Server: srv1
  Connecting to Telvane server: srv1
  Connect(1) to Telvane server: srv1
  Connected to Telvane server:  srv1
  Incompatible Telvane server release, need 5.20
  Disconnect from Telvane server: srv1, -
  Disconnected
  [1]

An output file is still created, emptied and closed.

  $ printf 'an old listing\n' > out.txt
  $ telvdelegate -o out.txt srv1 > /dev/null
  [1]
  $ wc -c < out.txt
  0
