Loading stores the delegations of a listing file, as a listing with -o
wrote it, on the server named, each with its own type code and masks.

  $ telvemu demo
  $ telvdelegate -o backup.txt demo > /dev/null
  $ telvemu create srv1
  $ telvdelegate -i backup.txt srv1
  @CONNECTED srv1@
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
  @DISCONNECTED srv1@
  $ telvemu dump srv1
  1 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF Accounting BKowalski
  2 0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF CEO-Office PLarsen
  4 0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller
  5 0002 0FFFFFFF 00000000 00000000 00000000 Helpdesk bkowalski
  6 0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 jmiller Assistant01
  7 0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt
  8 0002 00000000 00000000 00000000 00000000 Support anna.schmidt

The file's lines pass through the delegator patterns, matched ignoring
case; the others are skipped without a word, yet counted as lines.

  $ telvemu create srv2
  $ telvdelegate -i backup.txt srv2 'f*' SALES
  @CONNECTED srv2@
  Delegate loaded: FrontDesk <- JMiller
  Replace existing delegate: frontdesk <- JMiller
  Delegate loaded: frontdesk <- JMiller
  Delegate loaded: Sales <- anna.schmidt
  
  Delegates added:3, lines:9 errors:0
  @DISCONNECTED srv2@
  $ telvemu dump srv2
  2 0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF frontdesk JMiller
  3 0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt

A line whose pair is already on the server replaces it; the replace line
comes first, and the pair is counted once.

  $ telvdelegate -i backup.txt srv2 Sales
  @CONNECTED srv2@
  Replace existing delegate: Sales <- anna.schmidt
  Delegate loaded: Sales <- anna.schmidt
  
  Delegates added:1, lines:9 errors:0
  @DISCONNECTED srv2@
  $ telvemu dump srv2 | grep Sales
  4 0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt

When the copies of a line's pair cannot be looked up, the line is still
stored, but the run says so and ends with status 2.

  $ telvemu fault srv2 list 10006 anna.schmidt
  $ telvdelegate -i backup.txt srv2 Sales
  @CONNECTED srv2@
  Can't retrieve delegates for: anna.schmidt
  Delegate loaded: Sales <- anna.schmidt
  
  Delegates added:1, lines:9 errors:0
  @DISCONNECTED srv2@
  [2]
  $ telvemu fault srv2 clear

Standard input loads like a file.

  $ telvemu create srv3
  $ telvdelegate -i - srv3 Support < backup.txt
  @CONNECTED srv3@
  Delegate loaded: Support <- anna.schmidt
  
  Delegates added:1, lines:9 errors:0
  @DISCONNECTED srv3@
  $ grep Helpdesk backup.txt | sed 's/^/FORMAT 1\n/' | telvdelegate -i - srv3
  @CONNECTED srv3@
  Delegate loaded: Helpdesk <- bkowalski
  
  Delegates added:1, lines:2 errors:0
  @DISCONNECTED srv3@
  $ telvemu dump srv3
  1 0002 00000000 00000000 00000000 00000000 Support anna.schmidt
  2 0002 0FFFFFFF 00000000 00000000 00000000 Helpdesk bkowalski

An empty input, as a listing that matched nothing leaves, ends the load
without a word; a file of the header alone loads nothing, in one line.

  $ telvemu create srv4
  $ : > empty.txt
  $ telvdelegate -i empty.txt srv4
  @CONNECTED srv4@
  @DISCONNECTED srv4@
  $ printf 'FORMAT 1\n' > header.txt
  $ telvdelegate -i header.txt srv4
  @CONNECTED srv4@
  
  Delegates added:0, lines:1 errors:0
  @DISCONNECTED srv4@

A file whose first line is not the header is refused whole; an empty first
line is quoted as ''.

  $ printf '\nFORMAT 1\n0002 0 0 0 0 alice bob\n' > late.txt
  $ telvdelegate -i late.txt srv4
  @CONNECTED srv4@
  Can't load input file, bad format (not 1): ''
  @DISCONNECTED srv4@
  [2]
  $ printf 'FORMAT 2\n0002 0 0 0 0 alice bob\n' > two.txt
  $ telvdelegate -i two.txt srv4
  @CONNECTED srv4@
  Can't load input file, bad format (not 1): 'FORMAT 2'
  @DISCONNECTED srv4@
  [2]
  $ printf 'format 1\n' | telvdelegate -i - srv4
  @CONNECTED srv4@
  Can't load input file, bad format (not 1): 'format 1'
  @DISCONNECTED srv4@
  [2]
  $ printf ' FORMAT 1\n' | telvdelegate -i - srv4
  @CONNECTED srv4@
  Can't load input file, bad format (not 1): ' FORMAT 1'
  @DISCONNECTED srv4@
  [2]
  $ telvemu dump srv4 | wc -l
  0

Malformed lines are reported with their line number, which counts the
header, comments, blank and skipped lines; they are reported whatever the
patterns. Neither they nor skipped lines count as errors, but a malformed
line is a failure of the load, which its exit status tells.

  $ printf 'FORMAT 1\n# a comment\n\n   \n  ; another\n0002 0 0 0 0 bob carol\n0002 0 0 0 0 alice\n\t\n\t# not a comment\n0002 0 0 0 0 alice bob *\n0002 0 0 0 zz alice carol\n0002 0 0 0 0 ALICE dave extra words\n' > mixed.txt
  $ telvemu create srv5
  $ telvdelegate -i mixed.txt srv5 'a*'
  @CONNECTED srv5@
  Malformed delegate info: line 7: '0002 0 0 0 0 alice'
  Malformed delegate info: line 8: '	'
  Malformed delegate info: line 9: '	# not a comment'
  Delegate loaded: alice <- bob
  Malformed delegate info: line 11: '0002 0 0 0 zz alice carol'
  Delegate loaded: ALICE <- dave
  
  Delegates added:2, lines:12 errors:0
  @DISCONNECTED srv5@
  [2]
  $ telvemu dump srv5
  1 0002 00000000 00000000 00000000 00000000 alice bob
  2 0002 00000000 00000000 00000000 00000000 ALICE dave

With -q (here with -n) the lines of the delegations to load and replace are
left out; the malformed lines and the summary stay.

  $ telvdelegate -q -n -i mixed.txt srv5 'a*'
  @CONNECTED srv5@
  Malformed delegate info: line 7: '0002 0 0 0 0 alice'
  Malformed delegate info: line 8: '	'
  Malformed delegate info: line 9: '	# not a comment'
  Malformed delegate info: line 11: '0002 0 0 0 zz alice carol'
  
  Delegates to add:2, lines:12 errors:0
  Dry run: nothing was changed on the server.
  @DISCONNECTED srv5@
  [2]

The attribute numbers may be written in any case, with a 0x prefix, a sign
or without leading zeros; user IDs are stored as read, wildcards and all.

  $ printf 'FORMAT 1\n2 0xffffffff 0X0fffffff -1 +a al* b?b\n\t0002\t00000000 0 0 0\tcarol\tdave\n' > forms.txt
  $ telvemu create srv6
  $ telvdelegate -i forms.txt srv6
  @CONNECTED srv6@
  Delegate loaded: al* <- b?b
  Delegate loaded: carol <- dave
  
  Delegates added:2, lines:3 errors:0
  @DISCONNECTED srv6@
  $ telvemu dump srv6
  1 0002 FFFFFFFF 0FFFFFFF FFFFFFFF 0000000A al* b?b
  2 0002 00000000 00000000 00000000 00000000 carol dave

User IDs longer than a record holds are reported as too long and counted
as errors; a word of more than 80 characters yields its first 80, the rest
running on into the next field. The patterns see the delegator as read,
before any cut.

  $ printf 'FORMAT 1\n0002 0 0 0 0 abcdefghijklmnopqrstuvwxy bob\n0002 0 0 0 0 alice %s carol\n0002 0 0 0 0 alice %s\n' $(printf 'x%.0s' $(seq 85)) $(printf 'y%.0s' $(seq 85)) > long.txt
  $ telvemu create srv7
  $ telvdelegate -i long.txt srv7
  @CONNECTED srv7@
  Delegator name is too long: abcdefghijklmnopqrstuvwxy / abcdefghijklmnopqrstu
  Delegate name is too long: xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx / xxxxxxxxxxxxxxxxxxxxx
  Delegate name is too long: yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy / yyyyyyyyyyyyyyyyyyyyy
  
  Delegates added:0, lines:4 errors:3
  @DISCONNECTED srv7@
  [2]
  $ telvdelegate -i long.txt srv7 '*wxy'
  @CONNECTED srv7@
  Delegator name is too long: abcdefghijklmnopqrstuvwxy / abcdefghijklmnopqrstu
  
  Delegates added:0, lines:4 errors:1
  @DISCONNECTED srv7@
  [2]
  $ telvdelegate -i long.txt srv7 '*stu'
  @CONNECTED srv7@
  
  Delegates added:0, lines:4 errors:0
  @DISCONNECTED srv7@
  $ telvemu dump srv7 | wc -l
  0
