When the list cannot be fetched or sorted, the listing says so and stops:
no summary line, nothing written to the output, and the run ends with
status 2, so that a backup that saved nothing never passes for one of a
server without delegations.

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
  [2]
  $ telvdelegate -o out.txt demo | sed -n 10,30p; echo "status ${PIPESTATUS[0]}"
  Retrieving in-box delegates list...
  Can't retrieve delegates list: demo
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  status 2
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
  status 2

Standard output that cannot be written is reported on standard error once
the run has ended, with status 3: the listing there was cut short.

  $ telvdelegate demo >/dev/full
  Can't write standard output: No space left on device
  [3]

With standard output closed, the run's messages go nowhere, which ends it
with status 3, as a standard output that cannot be written does; the
listing file still gets the listing alone, as it does when standard output
is open.

  $ telvemu demo
  $ telvdelegate -o closed.txt demo >&-; echo "status $?"
  Can't write standard output: Bad file descriptor
  status 3
  $ telvdelegate -o open.txt demo >/dev/null; cmp closed.txt open.txt && wc -l <open.txt
  9

A reader that goes away is no failure of the output: where the closed pipe
does not end the run, the run goes on and ends as it would have.

  $ (trap '' PIPE; telvdelegate demo | head -1; echo "status ${PIPESTATUS[0]}")
  TelvDelegate - Manage in-box delegates on a Telvane server
  status 0
