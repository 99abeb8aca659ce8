Delegator patterns with "*" and "?", ignoring case; a delegation is listed
when its delegator matches any of them.

  $ telvemu demo
  $ telvdelegate demo 'f*' '?ALES' | sed -n 10,30p
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  FrontDesk JMiller
     1    2  frontdesk JMiller *
     2    3  Sales anna.schmidt
  delegators:2, delegates:3
  
  Disconnect from Telvane server: demo, demo
  Disconnected

Patterns filter on the delegator only: JMiller is a delegate of FrontDesk,
but only the delegator jmiller matches.

  $ telvdelegate demo JMiller | sed -n 10,30p
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  jmiller Assistant01
  delegators:1, delegates:1
  
  Disconnect from Telvane server: demo, demo
  Disconnected

Patterns that match nothing write nothing, and the counts are zero.

  $ telvdelegate demo nobody 'x*' | sed -n 10,30p
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  
  Disconnect from Telvane server: demo, demo
  Disconnected

Elements the patterns skip count for nothing and leave the last listed line
as it was: the groups are numbered without gaps, and the line after a
skipped group starts a group of its own, without a mark, though its pair
equals the last listed pair but for the delegator.

  $ telvemu create skips
  $ telvemu add skips alice bob
  $ telvemu add skips alicia bob
  $ telvemu add skips aliCE carol
  $ telvemu add skips bert bob
  $ telvemu add skips ALICIA bob
  $ telvemu add skips carl bob
  $ telvdelegate skips 'alice' 'c*' 'b?rt' | sed -n 10,30p
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  alice bob
     1    2  aliCE carol
     2    3  bert bob
     3    4  carl bob
  delegators:3, delegates:4
  
  Disconnect from Telvane server: skips, skips
  Disconnected
  $ telvdelegate skips 'alicia' | sed -n 10,30p
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  alicia bob
     1    2  ALICIA bob *
  delegators:1, delegates:2
  
  Disconnect from Telvane server: skips, skips
  Disconnected

A star matches every delegator, and a pattern as long as the command line
allows costs nothing much.

  $ telvdelegate skips '*' | tail -4 | head -1
  delegators:4, delegates:6
  $ telvdelegate skips "$(printf '*%.0s' $(seq 20000))" | tail -4 | head -1
  delegators:4, delegates:6
  $ telvdelegate skips "$(printf 'a%.0s' $(seq 100000))" | tail -4 | head -1
  delegators:0, delegates:0
