Command lines far larger than anyone types.

Ten thousand delegates in one add: each is stored and reported once, in
order, and the summary counts them all.

  $ telvemu create srv
  $ telvdelegate -ar srv boss $(seq -f 'd%05g' 10000) > out.txt
  $ seq -f 'Delegate loaded: boss <- d%05g' 10000 > loaded.txt
  $ grep '^Delegate loaded: ' out.txt | cmp - loaded.txt && grep -v '^Delegate loaded: ' out.txt
  @CONNECTED srv@
  
  Delegates added:10000, errors:0
  @DISCONNECTED srv@
  $ telvemu dump srv | awk '{ print $2, $3, $4, $5, $6, $7 }' | sort | uniq -c
    10000 0002 0FFFFFFF 00000000 00000000 00000000 boss
  $ telvemu dump srv | awk '{ print $8 }' | sort -c && echo in order
  in order

Patterns of a hundred thousand characters: one that needs that many
characters matches nothing, one of stars alone matches everything, and
one of alternating stars and letters is answered quickly all the same.
(Runs of ten or more of one character are shown as <count character>.)

  $ telvemu demo
  $ python3 -c 'print("?" * 100000)' > long
  $ python3 -c 'print("*" * 100000)' > stars
  $ python3 -c 'print("*a" * 50000)' > alternating
  $ echo 'import re, sys; sys.stdout.write(re.sub(r"(.)\1{9,}", lambda m: "<%d %s>" % (len(m.group(0)), m.group(1)), sys.stdin.read()))' > runs.py
  $ telvdelegate demo "$(cat long)"
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED demo@
  $ telvdelegate demo "$(cat stars)" > stars.txt; telvdelegate demo '*' | cmp - stars.txt && echo same as '*'
  same as *
  $ telvdelegate demo "$(cat alternating)" "$(cat long)" 'S*'
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  Sales anna.schmidt
     2    2  Support anna.schmidt
  delegators:2, delegates:2
  @DISCONNECTED demo@
  $ telvdelegate -d demo "$(cat stars)" "$(cat long)" "$(cat alternating)"
  @CONNECTED demo@
  Delegates removed: 0
  @DISCONNECTED demo@
  $ telvdelegate -o saved.txt demo > /dev/null; telvemu create copy
  $ telvdelegate -i saved.txt copy "$(cat alternating)" "$(cat long)"
  @CONNECTED copy@
  
  Delegates added:0, lines:9 errors:0
  @DISCONNECTED copy@
  $ telvdelegate -aa copy "$(cat long)" bob | python3 runs.py
  @CONNECTED copy@
  Delegator user-ID to add cannot contain wildcards: <100000 ?>
  @DISCONNECTED copy@
  $ telvdelegate -i saved.txt copy "$(cat stars)"
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
  $ telvdelegate -d copy Sales "$(cat long)" "$(cat stars)"
  @CONNECTED copy@
  Delegate removed:  Sales <- anna.schmidt
  Delegates removed: 1
  @DISCONNECTED copy@
  $ python3 -c 'print("x" * 100000)' > plain
  $ telvdelegate -aa copy "$(cat plain)" bob | python3 runs.py
  @CONNECTED copy@
  Delegator name is too long: <100000 x> / <21 x>
  
  Delegates added:0, errors:1
  @DISCONNECTED copy@
