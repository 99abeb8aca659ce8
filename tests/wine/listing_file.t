On Windows a listing file is a text file: each line ends in CR LF on disk,
and a load reads CR LF back as one line end. A file whose lines end in a
bare LF, as one written on Linux, loads the same.

  $ telvemu demo
  $ telvdelegate -o backup.txt demo
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:7, delegates:8
  @DISCONNECTED demo@
  $ cat -A backup.txt
  FORMAT 1^M$
  0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF Accounting BKowalski^M$
  0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF CEO-Office PLarsen^M$
  0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 FrontDesk JMiller^M$
  0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller *^M$
  0002 0FFFFFFF 00000000 00000000 00000000 Helpdesk bkowalski^M$
  0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 jmiller Assistant01^M$
  0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt^M$
  0002 00000000 00000000 00000000 00000000 Support anna.schmidt^M$

Loaded into an empty server and listed again, the file comes back with its
line ends, less the delegation that the repeated pair replaced.

  $ telvemu create copy
  $ telvdelegate -i backup.txt copy
  @CONNECTED copy@
  Delegate loaded: Accounting <- BKowalski
  Delegate loaded: CEO-Office <- PLarsen
  Delegate loaded: FrontDesk <- JMiller
  Replace existing delegate: frontdesk <- JMiller
  Delegate loaded: frontdesk <- JMiller
  Delegate loaded: Helpdesk <- bkowalski
  Delegate loaded: jmiller <- Assistant01
  Delegate loaded: Sales <- anna.schmidt
  Delegate loaded: Support <- anna.schmidt
  
  Delegates added:8, lines:9 errors:0
  @DISCONNECTED copy@
  $ telvdelegate -o copy.txt copy > /dev/null && cat -A copy.txt
  FORMAT 1^M$
  0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF Accounting BKowalski^M$
  0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF CEO-Office PLarsen^M$
  0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller^M$
  0002 0FFFFFFF 00000000 00000000 00000000 Helpdesk bkowalski^M$
  0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 jmiller Assistant01^M$
  0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt^M$
  0002 00000000 00000000 00000000 00000000 Support anna.schmidt^M$

The same file with bare LF line ends, read from a file and from standard
input, with a delegator pattern.

  $ tr -d '\r' < backup.txt > linux.txt
  $ telvemu create lf
  $ telvdelegate -i linux.txt lf 'f*'
  @CONNECTED lf@
  Delegate loaded: FrontDesk <- JMiller
  Replace existing delegate: frontdesk <- JMiller
  Delegate loaded: frontdesk <- JMiller
  
  Delegates added:2, lines:9 errors:0
  @DISCONNECTED lf@
  $ telvdelegate -i - lf 's*' < linux.txt
  @CONNECTED lf@
  Delegate loaded: Sales <- anna.schmidt
  Delegate loaded: Support <- anna.schmidt
  
  Delegates added:2, lines:9 errors:0
  @DISCONNECTED lf@
  $ telvdelegate -o - lf
  @CONNECTED lf@
  Retrieving in-box delegates list...
  Sorting delegates list...
  FORMAT 1
  0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller
  0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt
  0002 00000000 00000000 00000000 00000000 Support anna.schmidt
  delegators:3, delegates:3
  @DISCONNECTED lf@

A user ID too long for a record is reported, the CR of its line end not
counted in it.

  $ printf 'FORMAT 1\r\n0002 0FFFFFFF 00000000 00000000 00000000 %s bob\r\n' aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa > long.txt
  $ telvdelegate -i long.txt lf
  @CONNECTED lf@
  Delegator name is too long: aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa / aaaaaaaaaaaaaaaaaaaaa
  
  Delegates added:0, lines:2 errors:1
  @DISCONNECTED lf@
  [2]
