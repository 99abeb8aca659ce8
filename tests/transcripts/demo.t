The bundled demo server, as the README's first command runs it: its short
listing, where FrontDesk and frontdesk form one delegator group and the
second of their two equal pairs is marked as a repeat.

  $ telvemu demo
  $ telvdelegate demo
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  Accounting BKowalski
     2    2  CEO-Office PLarsen
     3    3  FrontDesk JMiller
     3    4  frontdesk JMiller *
     4    5  Helpdesk bkowalski
     5    6  jmiller Assistant01
     6    7  Sales anna.schmidt
     7    8  Support anna.schmidt
  delegators:7, delegates:8
  @DISCONNECTED demo@

Making the demo server again starts it afresh.

  $ telvemu demo && telvemu dump demo | wc -l
  8
