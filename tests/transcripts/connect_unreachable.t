A server that never answers gets five attempts, each failure followed by a
wait of ten seconds, the last one included; the run ends with status 1 and
no disconnect lines.

  $ TELVEMU_SLEEP_LOG=sleep.log telvdelegate nosuch
  @BANNER@
  Telvane API version: 12/06/2008 00:00:00Z
  Server: nosuch
  Connecting to Telvane server: nosuch
  Connect(1) to Telvane server: nosuch
  Connect failed to Telvane server: nosuch, error 10001: Telvane server not found or not responding
  Connect(2) to Telvane server: nosuch
  Connect failed to Telvane server: nosuch, error 10001: Telvane server not found or not responding
  Connect(3) to Telvane server: nosuch
  Connect failed to Telvane server: nosuch, error 10001: Telvane server not found or not responding
  Connect(4) to Telvane server: nosuch
  Connect failed to Telvane server: nosuch, error 10001: Telvane server not found or not responding
  Connect(5) to Telvane server: nosuch
  Connect failed to Telvane server: nosuch, error 10001: Telvane server not found or not responding
  Can't connect to Telvane server after 5 tries: nosuch
  [1]
  $ cat sleep.log
  Sleep(10000)
  Sleep(10000)
  Sleep(10000)
  Sleep(10000)
  Sleep(10000)

A run that could not connect says so by its status even when its messages
could not be written: the connection failed first.

  $ telvdelegate nosuch >/dev/full
  Can't write standard output: No space left on device
  [1]

The same for a server that refuses every attempt with its own error.

  $ telvemu create srv1
  $ telvemu fault srv1 connect all -2147467259 'Unspecified failure'
  $ telvdelegate -s srv1 alice
  @BANNER@
  Telvane API version: 12/06/2008 00:00:00Z
  Server: srv1
  Connecting to Telvane server: srv1
  Connect(1) to Telvane server: srv1
  Connect failed to Telvane server: srv1, error -2147467259: Unspecified failure
  Connect(2) to Telvane server: srv1
  Connect failed to Telvane server: srv1, error -2147467259: Unspecified failure
  Connect(3) to Telvane server: srv1
  Connect failed to Telvane server: srv1, error -2147467259: Unspecified failure
  Connect(4) to Telvane server: srv1
  Connect failed to Telvane server: srv1, error -2147467259: Unspecified failure
  Connect(5) to Telvane server: srv1
  Connect failed to Telvane server: srv1, error -2147467259: Unspecified failure
  Can't connect to Telvane server after 5 tries: srv1
  [1]
