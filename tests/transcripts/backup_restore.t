Backup and restore: a listing file written from one server and loaded into
another leaves the second holding the same delegations, with the same type
codes, masks and user IDs, record by record; only the entry IDs are the new
server's own.

  $ telvemu create srv1
  $ telvemu add srv1 alice bob 0002 0FFFFFFF 0 0 0
  $ telvemu add srv1 alice Carol FFFFFFFF 1 80000000 7FFFFFFF FFFFFFFE
  $ telvemu add srv1 Bob alice 0 0 0 0 0
  $ telvemu add srv1 abcdefghijklmnopqrstu ABCDEFGHIJKLMNOPQRSTU 12345 ABCDEF01 0 0 1
  $ telvemu add srv1 '%s%n' 'a*b?' 0002 1 2 3 4
  $ telvemu add srv1 '#not-a-comment' ';nor-this' 0002 1 2 3 4
  $ telvemu add srv1 0002 FFFF 0002 1 2 3 4
  $ telvemu add srv1 "$(printf 'caf\303\251')" "$(printf '\341\274\200')" 0002 5 6 7 8
  $ telvdelegate -o backup.txt srv1
  @CONNECTED srv1@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:7, delegates:8
  @DISCONNECTED srv1@
  $ telvemu create srv2
  $ telvdelegate -i backup.txt srv2
  @CONNECTED srv2@
  Delegate loaded: #not-a-comment <- ;nor-this
  Delegate loaded: %s%n <- a*b?
  Delegate loaded: 0002 <- FFFF
  Delegate loaded: abcdefghijklmnopqrstu <- ABCDEFGHIJKLMNOPQRSTU
  Delegate loaded: alice <- bob
  Delegate loaded: alice <- Carol
  Delegate loaded: Bob <- alice
  Delegate loaded: café <- ἀ
  
  Delegates added:8, lines:9 errors:0
  @DISCONNECTED srv2@
  $ telvemu dump srv1 | cut -d' ' -f2- | sort > before.txt
  $ telvemu dump srv2 | cut -d' ' -f2- | sort > after.txt
  $ cmp before.txt after.txt && wc -l < after.txt
  8
  $ telvdelegate -o backup2.txt srv2 > /dev/null && cmp backup.txt backup2.txt

A dry run (-n) of a restore tells what loading the file would change on a
server that holds part of it, and changes nothing. A pair the server holds
gets the replace line a load would print, marked "(unchanged)" where the
server holds the same permissions already; so does a repeat of the file,
which would replace the line before it.

  $ telvemu demo
  $ telvdelegate -o demo.txt demo > /dev/null
  $ telvemu create standby
  $ telvemu add standby Sales anna.schmidt
  $ telvemu add standby frontdesk jmiller
  $ telvemu dump standby > before.txt
  $ telvdelegate -n -i demo.txt standby
  @CONNECTED standby@
  Delegate to load: Accounting <- BKowalski
  Delegate to load: CEO-Office <- PLarsen
  Replace existing delegate: FrontDesk <- JMiller
  Delegate to load: FrontDesk <- JMiller
  Replace existing delegate: frontdesk <- JMiller
  Delegate to load: frontdesk <- JMiller
  Delegate to load: Helpdesk <- bkowalski
  Delegate to load: jmiller <- Assistant01
  Replace existing delegate: Sales <- anna.schmidt (unchanged)
  Delegate to load: Sales <- anna.schmidt
  Delegate to load: Support <- anna.schmidt
  
  Delegates to add:8, lines:9 errors:0
  Dry run: nothing was changed on the server.
  @DISCONNECTED standby@
  $ telvemu dump standby | cmp - before.txt && echo unchanged
  unchanged

A pair the server holds more than once, in any case, is restored once: the
repeat lines of the listing (marked " *") replace the line before, as the
load reports. Here a generated server of 3000 delegations, some of them
repeats, is restored; the second server's listing is the first one's with
each run of repeats reduced to its last line.

  $ telvemu create big
  $ telvemu seed big 3000 11
  $ telvdelegate -o big.txt big > /dev/null
  $ grep -c ' \*$' big.txt
  111
  $ telvemu create copy
  $ telvdelegate -i big.txt copy > load.txt
  $ grep -c '^Replace existing delegate: ' load.txt
  111
  $ grep -c '^Delegate loaded: ' load.txt
  3000
  $ grep -v '^Replace existing delegate: \|^Delegate loaded: ' load.txt
  @CONNECTED copy@
  
  Delegates added:3000, lines:3001 errors:0
  @DISCONNECTED copy@
  $ python3 -c "import sys; lines = open('big.txt').read().splitlines(); kept = [l for i, l in enumerate(lines) if not lines[i + 1:i + 2] or not lines[i + 1].endswith(' *')]; sys.stdout.write(''.join((l[:-2] if l.endswith(' *') else l) + '\n' for l in kept))" > expected.txt
  $ telvdelegate -o copy.txt copy > /dev/null && cmp expected.txt copy.txt && wc -l < copy.txt
  2890

Loaded once more, every line replaces a pair; a dry run of that load
foretells the real one line for line, but for its wording.

  $ telvdelegate -n -i big.txt copy | sed -e 's/ (unchanged)$//; /^Dry run: /d' -e 's/^Delegate to load:/Delegate loaded:/; s/^Delegates to add:/Delegates added:/' > dry.txt
  $ telvdelegate -i big.txt copy | cmp - dry.txt && grep -c '^Replace existing delegate: ' dry.txt
  3000
