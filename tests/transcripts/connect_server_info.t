The disconnect line names the server's own name, as its information block
reports it.

  $ telvemu create srv1
  $ telvemu fault srv1 name FAXSRV-MAIN.corp.example
  $ telvdelegate srv1
  @CONNECTED srv1@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  
  Disconnect from Telvane server: srv1, FAXSRV-MAIN.corp.example
  Disconnected

When the information cannot be had, the connection still serves, and the
disconnect line shows "-" in its place.

  $ telvemu fault srv1 info -5
  $ telvdelegate srv1
  @CONNECTED srv1@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  
  Disconnect from Telvane server: srv1, -
  Disconnected

The library's version stamp is an unsigned 32-bit count of seconds, shown
as a date over its whole range, past 2038 too, on every build; each run
differs from the one above in that line alone.

  $ telvdelegate srv1 > usual.txt
  $ for stamp in 2147483648 3000000000 4294967295; do TELVEMU_API_VERSION=$stamp telvdelegate srv1 | diff usual.txt -; done
  4c4
  < Telvane API version: 12/06/2008 00:00:00Z
  ---
  > Telvane API version: 01/19/2038 03:14:08Z
  4c4
  < Telvane API version: 12/06/2008 00:00:00Z
  ---
  > Telvane API version: 01/24/2065 05:20:00Z
  4c4
  < Telvane API version: 12/06/2008 00:00:00Z
  ---
  > Telvane API version: 02/07/2106 06:28:15Z
  [1]
