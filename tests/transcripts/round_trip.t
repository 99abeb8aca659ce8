A listing file keeps what the server held: list every delegation to a
file, delete them all, and the file still holds them byte for byte: the
long listing as standard output showed it, each line ended by a line feed.

  $ telvemu demo
  $ telvdelegate -l demo | sed -n '/^FORMAT/,/^delegators:/p' | grep -v '^delegators:' > shown.txt
  $ telvdelegate -o backup.txt demo > /dev/null
  $ telvdelegate -d demo '*' '*' | grep -c 'Delegate removed:  '
  8
  $ telvdelegate demo
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED demo@
  $ cmp shown.txt backup.txt && cat -A backup.txt
  FORMAT 1$
  0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF Accounting BKowalski$
  0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF CEO-Office PLarsen$
  0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 FrontDesk JMiller$
  0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller *$
  0002 0FFFFFFF 00000000 00000000 00000000 Helpdesk bkowalski$
  0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 jmiller Assistant01$
  0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt$
  0002 00000000 00000000 00000000 00000000 Support anna.schmidt$
