Delegator patterns with "*" and "?", ignoring case; a delegation is listed
when its delegator matches any of them.

  $ telvemu demo
  $ telvdelegate demo 'f*' '?ALES'
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  FrontDesk JMiller
     1    2  frontdesk JMiller *
     2    3  Sales anna.schmidt
  delegators:2, delegates:3
  @DISCONNECTED demo@

Patterns filter on the delegator only: JMiller is a delegate of FrontDesk,
but only the delegator jmiller matches.

  $ telvdelegate demo JMiller
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  jmiller Assistant01
  delegators:1, delegates:1
  @DISCONNECTED demo@

Patterns that match nothing write nothing, and the counts are zero.

  $ telvdelegate demo nobody 'x*'
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED demo@

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
  $ telvdelegate skips 'alice' 'c*' 'b?rt'
  @CONNECTED skips@
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  alice bob
     1    2  aliCE carol
     2    3  bert bob
     3    4  carl bob
  delegators:3, delegates:4
  @DISCONNECTED skips@
  $ telvdelegate skips 'alicia'
  @CONNECTED skips@
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  alicia bob
     1    2  ALICIA bob *
  delegators:1, delegates:2
  @DISCONNECTED skips@

A star matches every delegator, and a pattern as long as the command line
allows costs nothing much.

  $ telvdelegate skips '*'
  @CONNECTED skips@
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  alice bob
     1    2  aliCE carol
     2    3  alicia bob
     2    4  ALICIA bob *
     3    5  bert bob
     4    6  carl bob
  delegators:4, delegates:6
  @DISCONNECTED skips@
  $ telvdelegate skips '*' > star.txt; telvdelegate skips "$(printf '*%.0s' $(seq 20000))" | cmp - star.txt && echo same as '*'
  same as *
  $ telvdelegate skips "$(printf 'a%.0s' $(seq 100000))"
  @CONNECTED skips@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED skips@
