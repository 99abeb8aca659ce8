Deleting walks the server's delegations in the order the server gives, and
removes each one whose delegator matches the delegator pattern and whose
delegate matches any of the delegate patterns, ignoring case.

  $ telvemu demo
  $ telvdelegate -d demo FRONTDESK jmiller
  @CONNECTED demo@
  Delegate removed:  FrontDesk <- JMiller
  Delegate removed:  frontdesk <- JMiller
  Delegates removed: 2
  @DISCONNECTED demo@

A delegation that matches several delegate patterns is removed once.

  $ telvemu demo
  $ telvdelegate -d demo '*' 'anna.*' '*schmidt' '?nna*'
  @CONNECTED demo@
  Delegate removed:  Sales <- anna.schmidt
  Delegate removed:  Support <- anna.schmidt
  Delegates removed: 2
  @DISCONNECTED demo@

When nothing matches, the count of zero is all there is to say, and
nothing failed.

  $ telvdelegate -d demo nobody '*'
  @CONNECTED demo@
  Delegates removed: 0
  @DISCONNECTED demo@
  $ telvdelegate -d demo 'Sales' 'JMiller'
  @CONNECTED demo@
  Delegates removed: 0
  @DISCONNECTED demo@

A star for both removes everything.

  $ telvdelegate -d demo '*' '*'
  @CONNECTED demo@
  Delegate removed:  FrontDesk <- JMiller
  Delegate removed:  Accounting <- BKowalski
  Delegate removed:  frontdesk <- JMiller
  Delegate removed:  jmiller <- Assistant01
  Delegate removed:  CEO-Office <- PLarsen
  Delegate removed:  Helpdesk <- bkowalski
  Delegates removed: 6
  @DISCONNECTED demo@
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
  $ telvdelegate -d fails alice '*'
  @CONNECTED fails@
  Delegate removed:  alice <- bob
  Can't remove delegate (10006): alice <- carol
  Delegate removed:  alice <- dave
  Delegates removed: 2
  @DISCONNECTED fails@
  [2]
  $ telvemu dump fails
  2 0002 0FFFFFFF 00000000 00000000 00000000 alice carol
  4 0002 0FFFFFFF 00000000 00000000 00000000 bert bob

When every matching removal fails, each is reported and none counted.

  $ telvemu add fails Alice erin
  $ telvemu fault fails delete 5 -2147483640
  $ telvdelegate -d fails alice '*'
  @CONNECTED fails@
  Can't remove delegate (10006): alice <- carol
  Can't remove delegate (-2147483640): Alice <- erin
  Delegates removed: 0
  @DISCONNECTED fails@
  [2]
  $ telvemu dump fails
  2 0002 0FFFFFFF 00000000 00000000 00000000 alice carol
  4 0002 0FFFFFFF 00000000 00000000 00000000 bert bob
  5 0002 0FFFFFFF 00000000 00000000 00000000 Alice erin

With -q the line for each removal is left out; failures and summary stay.

  $ telvemu add fails alice frank
  $ telvemu add fails alice gina
  $ telvdelegate -q -d fails alice '*'
  @CONNECTED fails@
  Can't remove delegate (10006): alice <- carol
  Can't remove delegate (-2147483640): Alice <- erin
  Delegates removed: 2
  @DISCONNECTED fails@
  [2]

When the list cannot be fetched, the message names the delegator pattern
as typed, and no summary follows.

  $ telvemu fault fails list 10006
  $ telvdelegate -d fails 'a*' '*'
  @CONNECTED fails@
  Can't retrieve delegates for: a*
  @DISCONNECTED fails@
  [2]

A dry run (-n) names what the delete would remove, and removes nothing.

  $ telvemu demo
  $ telvemu dump demo > before.txt
  $ telvdelegate -n -d demo '*' '*desk*' 'j*'
  @CONNECTED demo@
  Delegate to remove:  FrontDesk <- JMiller
  Delegate to remove:  frontdesk <- JMiller
  Delegates to remove: 2
  Dry run: nothing was changed on the server.
  @DISCONNECTED demo@
  $ telvemu dump demo | cmp - before.txt && echo unchanged
  unchanged

So does a quiet one, which names nothing.

  $ telvdelegate -q -n -d demo '*' '*desk*' 'j*'
  @CONNECTED demo@
  Delegates to remove: 2
  Dry run: nothing was changed on the server.
  @DISCONNECTED demo@
  $ telvemu dump demo | cmp - before.txt && echo unchanged
  unchanged
