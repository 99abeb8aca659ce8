The short listing: sorted by delegator, then delegate, ignoring case, each
line with its delegator group's running number and its own (demo.t shows
the demo server's). A server with no delegations lists nothing and counts
nothing.

  $ telvemu create empty
  $ telvdelegate empty
  @CONNECTED empty@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED empty@

Arguments after the server name are delegator patterns, even when they look
like options: "-l" here is a pattern that no delegator matches.

  $ telvemu demo
  $ telvdelegate demo -l
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED demo@

Case-folded groups and repeats. A repeat is a pair equal to the line
before, ignoring case, within one group: the first line of a group never
carries the mark, even when its delegate is the delegate of the line before.
Only A to Z fold, so "_" sorts before the letters.

  $ telvemu create groups
  $ telvemu add groups alice Bob
  $ telvemu add groups bob zed
  $ telvemu add groups ALICE carol
  $ telvemu add groups Alice bob
  $ telvemu add groups carol zed
  $ telvemu add groups alice BOB
  $ telvemu add groups a_b x
  $ telvemu add groups AAB x
  $ telvemu add groups Carol ZED
  $ telvdelegate groups
  @CONNECTED groups@
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  a_b x
     2    2  AAB x
     3    3  alice Bob
     3    4  Alice bob *
     3    5  alice BOB *
     3    6  ALICE carol
     4    7  bob zed
     5    8  carol zed
     5    9  Carol ZED *
  delegators:5, delegates:9
  @DISCONNECTED groups@

A user-ID field holds at most 21 characters. One filled to its last byte,
without a terminator, lists as its first 21 characters, and sorts and groups
as them too.

  $ telvemu create long
  $ telvemu add long abcdefghijklmnopqrstu bob
  $ telvemu add long abcdefghijklmnopqrstuv BOB
  $ telvemu add long exactly21characters__ exactly22characters___
  $ telvdelegate long
  @CONNECTED long@
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  abcdefghijklmnopqrstu bob
     1    2  abcdefghijklmnopqrstu BOB *
     2    3  exactly21characters__ exactly22characters__
  delegators:2, delegates:3
  @DISCONNECTED long@
