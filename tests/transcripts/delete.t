Deleting walks the server's delegations in the order the server gives, and
removes each one whose delegator matches the delegator pattern and whose
delegate matches any of the delegate patterns, ignoring case.

  $ telvemu demo
  $ telvdelegate -d demo FRONTDESK jmiller
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Telvane API version: 12/06/2008 00:00:00Z
  Server: demo
  Connecting to Telvane server: demo
  Connect(1) to Telvane server: demo
  Connected to Telvane server:  demo
  
  Delegate removed:  FrontDesk <- JMiller
  Delegate removed:  frontdesk <- JMiller
  Delegates removed: 2
  
  Disconnect from Telvane server: demo, demo
  Disconnected

A delegation that matches several delegate patterns is removed once.

  $ telvemu demo
  $ telvdelegate -d demo '*' 'anna.*' '*schmidt' '?nna*' | sed -n 10,30p
  Delegate removed:  Sales <- anna.schmidt
  Delegate removed:  Support <- anna.schmidt
  Delegates removed: 2
  
  Disconnect from Telvane server: demo, demo
  Disconnected

When nothing matches, the count of zero is all there is to say, and
nothing failed.

  $ telvdelegate -d demo nobody '*' | sed -n 10,30p; echo "status ${PIPESTATUS[0]}"
  Delegates removed: 0
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  status 0
  $ telvdelegate -d demo 'Sales' 'JMiller' | sed -n 10,30p
  Delegates removed: 0
  
  Disconnect from Telvane server: demo, demo
  Disconnected

A star for both removes everything.

  $ telvdelegate -d demo '*' '*' | sed -n 10,30p
  Delegate removed:  FrontDesk <- JMiller
  Delegate removed:  Accounting <- BKowalski
  Delegate removed:  frontdesk <- JMiller
  Delegate removed:  jmiller <- Assistant01
  Delegate removed:  CEO-Office <- PLarsen
  Delegate removed:  Helpdesk <- bkowalski
  Delegates removed: 6
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  $ telvemu dump demo | wc -l
  0

A removal that fails is reported with its code and not counted; the walk
goes on with the next delegation, and the run ends with status 2.

  $ telvemu create fails
  $ telvemu add fails alice bob
  $ telvemu add fails alice carol
  $ telvemu add fails alice dave
  $ telvemu add fails bert bob
  $ telvemu fault fails delete 2 10006
  $ telvdelegate -d fails alice '*' | sed -n 10,30p; echo "status ${PIPESTATUS[0]}"
  Delegate removed:  alice <- bob
  Can't remove delegate (10006): alice <- carol
  Delegate removed:  alice <- dave
  Delegates removed: 2
  
  Disconnect from Telvane server: fails, fails
  Disconnected
  status 2
  $ telvemu dump fails
  2 0002 0FFFFFFF 00000000 00000000 00000000 alice carol
  4 0002 0FFFFFFF 00000000 00000000 00000000 bert bob

When every matching removal fails, each is reported and none counted.

  $ telvemu add fails Alice erin
  $ telvemu fault fails delete 5 -2147483640
  $ telvdelegate -d fails alice '*' | sed -n 10,30p
  Can't remove delegate (10006): alice <- carol
  Can't remove delegate (-2147483640): Alice <- erin
  Delegates removed: 0
  
  Disconnect from Telvane server: fails, fails
  Disconnected
  $ telvemu dump fails
  2 0002 0FFFFFFF 00000000 00000000 00000000 alice carol
  4 0002 0FFFFFFF 00000000 00000000 00000000 bert bob
  5 0002 0FFFFFFF 00000000 00000000 00000000 Alice erin

When the list cannot be fetched, the message names the delegator pattern
as typed, and no summary follows.

  $ telvemu fault fails list 10006
  $ telvdelegate -d fails 'a*' '*'
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Telvane API version: 12/06/2008 00:00:00Z
  Server: fails
  Connecting to Telvane server: fails
  Connect(1) to Telvane server: fails
  Connected to Telvane server:  fails
  
  Can't retrieve delegates for: a*
  
  Disconnect from Telvane server: fails, fails
  Disconnected
  [2]

A dry run (-n) names what the delete would remove, and removes nothing.

  $ telvemu demo
  $ telvemu dump demo > before.txt
  $ telvdelegate -n -d demo '*' '*desk*' 'j*' | sed -n 10,30p; echo "status ${PIPESTATUS[0]}"
  Delegate to remove:  FrontDesk <- JMiller
  Delegate to remove:  frontdesk <- JMiller
  Delegates to remove: 2
  Dry run: nothing was changed on the server.
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  status 0
  $ telvemu dump demo | cmp - before.txt && echo unchanged
  unchanged
