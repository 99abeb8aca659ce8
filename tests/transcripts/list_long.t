The long format, on standard output with -l: the header, then per
delegation its type code, its four masks, the delegator and the delegate,
between the progress messages and the summary. The repeat mark is written
too.

  $ telvemu demo
  $ telvdelegate -l demo
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  FORMAT 1
  0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF Accounting BKowalski
  0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF CEO-Office PLarsen
  0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 FrontDesk JMiller
  0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller *
  0002 0FFFFFFF 00000000 00000000 00000000 Helpdesk bkowalski
  0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 jmiller Assistant01
  0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt
  0002 00000000 00000000 00000000 00000000 Support anna.schmidt
  delegators:7, delegates:8
  @DISCONNECTED demo@

An output file named "-" is standard output, in the long format.

  $ telvdelegate -o - demo 'f*'
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  FORMAT 1
  0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 FrontDesk JMiller
  0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller *
  delegators:1, delegates:2
  @DISCONNECTED demo@

A listing file holds just the header and the lines; the messages stay on
standard output.

  $ telvdelegate -o demo.txt demo '*desk'
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:2, delegates:3
  @DISCONNECTED demo@
  $ cat demo.txt
  FORMAT 1
  0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 FrontDesk JMiller
  0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller *
  0002 0FFFFFFF 00000000 00000000 00000000 Helpdesk bkowalski

With no delegation to list, nothing at all is written, not even the header.

  $ telvdelegate -l demo nobody
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED demo@
  $ telvdelegate -o none.txt demo nobody
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED demo@
  $ wc -c < none.txt
  0

Type codes wider than four digits, and masks of every value, are written in
full; the counters of the short format are not.

  $ telvemu create wide
  $ telvemu add wide alice bob 12345 0 1 80000000 FFFFFFFF
  $ telvemu add wide alice carol 0 abcdef 10 FFFFFFF 7
  $ telvdelegate -l wide
  @CONNECTED wide@
  Retrieving in-box delegates list...
  Sorting delegates list...
  FORMAT 1
  12345 00000000 00000001 80000000 FFFFFFFF alice bob
  0000 00ABCDEF 00000010 0FFFFFFF 00000007 alice carol
  delegators:1, delegates:2
  @DISCONNECTED wide@
