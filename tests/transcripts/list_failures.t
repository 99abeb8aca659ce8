When the list cannot be fetched or sorted, the listing says so and stops:
no summary line, nothing written to the output, and the run still ends
normally with status 0.

  $ telvemu demo
  $ telvemu fault demo list 10006
  $ telvdelegate demo
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Telvane API version: 12/06/2008 00:00:00Z
  Server: demo
  Connecting to Telvane server: demo
  Connect(1) to Telvane server: demo
  Connected to Telvane server:  demo
  
  Retrieving in-box delegates list...
  Can't retrieve delegates list: demo
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  $ telvdelegate -o out.txt demo | sed -n 10,30p; echo "status ${PIPESTATUS[0]}"
  Retrieving in-box delegates list...
  Can't retrieve delegates list: demo
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  status 0
  $ wc -c < out.txt
  0

  $ telvemu fault demo clear
  $ telvemu fault demo sort 10006
  $ telvdelegate -l demo | sed -n 10,30p
  Retrieving in-box delegates list...
  Sorting delegates list...
  Can't sort delegates list: demo
  
  Disconnect from Telvane server: demo, demo
  Disconnected

A listing file that cannot be written whole is not a listing: the run says
why and ends with status 3, after the usual closing lines.

  $ telvemu fault demo clear
  $ telvdelegate -o /dev/full demo
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Telvane API version: 12/06/2008 00:00:00Z
  Server: demo
  Connecting to Telvane server: demo
  Connect(1) to Telvane server: demo
  Connected to Telvane server:  demo
  
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:7, delegates:8
  Can't write output file: /dev/full: No space left on device
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  [3]

Where nothing was to be written, nothing failed.

  $ telvdelegate -o /dev/full demo nobody | tail -4; echo "status ${PIPESTATUS[0]}"
  delegators:0, delegates:0
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  status 0
  $ telvemu fault demo list 10006
  $ telvdelegate -o /dev/full demo | tail -4; echo "status ${PIPESTATUS[0]}"
  Can't retrieve delegates list: demo
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  status 0

Standard output that cannot be written is reported on standard error once
the run has ended, with status 3: the listing there was cut short.

  $ telvdelegate demo >/dev/full
  Can't write standard output: No space left on device
  [3]

With standard output closed, the listing file gets the listing alone, as
it does when standard output is open.

  $ telvemu demo
  $ telvdelegate -o closed.txt demo >&-; echo "status $?"
  status 0
  $ telvdelegate -o open.txt demo >/dev/null; cmp closed.txt open.txt && wc -l <open.txt
  9
