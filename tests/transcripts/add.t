Adding gives one delegator one or more delegates, all with the permissions
of one preset, and stores the user IDs as they were typed.

  $ telvemu create srv1
  $ telvdelegate -aa srv1 alice Bob carol
  @CONNECTED srv1@
  Delegate loaded: alice <- Bob
  Delegate loaded: alice <- carol
  
  Delegates added:2, errors:0
  @DISCONNECTED srv1@
  $ telvemu dump srv1
  1 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice Bob
  2 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice carol

Each preset stores type code 2 and its own four masks.

  $ telvemu create srv2
  $ telvdelegate -aa srv2 all d
  @CONNECTED srv2@
  Delegate loaded: all <- d
  
  Delegates added:1, errors:0
  @DISCONNECTED srv2@
  $ telvdelegate -ae srv2 editor d
  @CONNECTED srv2@
  Delegate loaded: editor <- d
  
  Delegates added:1, errors:0
  @DISCONNECTED srv2@
  $ telvdelegate -an srv2 none d
  @CONNECTED srv2@
  Delegate loaded: none <- d
  
  Delegates added:1, errors:0
  @DISCONNECTED srv2@
  $ telvdelegate -ao srv2 owner d
  @CONNECTED srv2@
  Delegate loaded: owner <- d
  
  Delegates added:1, errors:0
  @DISCONNECTED srv2@
  $ telvdelegate -ar srv2 reviewer d
  @CONNECTED srv2@
  Delegate loaded: reviewer <- d
  
  Delegates added:1, errors:0
  @DISCONNECTED srv2@
  $ telvemu dump srv2
  1 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF all d
  2 0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 editor d
  3 0002 00000000 00000000 00000000 00000000 none d
  4 0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF owner d
  5 0002 0FFFFFFF 00000000 00000000 00000000 reviewer d

-l changes nothing about adding, and a later preset replaces an earlier one.

  $ telvdelegate -l -aa -ar srv2 reviewer2 d
  @CONNECTED srv2@
  Delegate loaded: reviewer2 <- d
  
  Delegates added:1, errors:0
  @DISCONNECTED srv2@
  $ telvemu dump srv2
  1 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF all d
  2 0002 0FFFFFFF 0FFFFFFF 00000000 0FFFFFF9 editor d
  3 0002 00000000 00000000 00000000 00000000 none d
  4 0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF owner d
  5 0002 0FFFFFFF 00000000 00000000 00000000 reviewer d
  6 0002 0FFFFFFF 00000000 00000000 00000000 reviewer2 d

A delegator with a wildcard refuses the whole add, with no summary.

  $ telvemu create srv3
  $ telvdelegate -aa srv3 'al*' bob
  @CONNECTED srv3@
  Delegator user-ID to add cannot contain wildcards: al*
  @DISCONNECTED srv3@
  [2]
  $ telvdelegate -aa srv3 'al?ce' bob
  @CONNECTED srv3@
  Delegator user-ID to add cannot contain wildcards: al?ce
  @DISCONNECTED srv3@
  [2]

An empty delegator (an unset shell variable) refuses the whole add too; an
empty delegate is refused alone, before the wildcard test, and counts
nothing.

  $ telvemu create srv6
  $ telvdelegate -aa srv6 "$BOSS" bob
  @CONNECTED srv6@
  Delegator user-ID to add cannot be empty
  @DISCONNECTED srv6@
  [2]
  $ telvdelegate -aa srv6 boss '' bob
  @CONNECTED srv6@
  Delegatee user-ID to add cannot be empty
  Delegate loaded: boss <- bob
  
  Delegates added:1, errors:0
  @DISCONNECTED srv6@
  [2]
  $ telvdelegate -d srv6 boss bob
  @CONNECTED srv6@
  Delegate removed:  boss <- bob
  Delegates removed: 1
  @DISCONNECTED srv6@

A delegate with a wildcard is refused alone and counts nothing, even when
it is also too long; the others are added.

  $ telvdelegate -aa srv3 alice 'b*' bob '?' 'much-too-long-a-user-id-*' carol
  @CONNECTED srv3@
  Delegatee user-ID to add cannot contain wildcards: b*
  Delegate loaded: alice <- bob
  Delegatee user-ID to add cannot contain wildcards: ?
  Delegatee user-ID to add cannot contain wildcards: much-too-long-a-user-id-*
  Delegate loaded: alice <- carol
  
  Delegates added:2, errors:0
  @DISCONNECTED srv3@
  [2]
  $ telvemu dump srv3
  1 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice bob
  2 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice carol

A record holds 21 characters of a user ID: a delegate of 21 characters is
added, one of 22 is reported with its first 21 and counted as an error,
which the exit status tells too.

  $ telvemu create srv4
  $ telvdelegate -ar srv4 alice abcdefghijklmnopqrstu abcdefghijklmnopqrstuv
  @CONNECTED srv4@
  Delegate loaded: alice <- abcdefghijklmnopqrstu
  Delegate name is too long: abcdefghijklmnopqrstuv / abcdefghijklmnopqrstu
  
  Delegates added:1, errors:1
  @DISCONNECTED srv4@
  [2]
  $ telvemu dump srv4
  1 0002 0FFFFFFF 00000000 00000000 00000000 alice abcdefghijklmnopqrstu

A delegator of 22 characters is reported for every delegate that passed the
wildcard test, and nothing is added.

  $ telvdelegate -ar srv4 ABCDEFGHIJKLMNOPQRSTUV x 'y*' abcdefghijklmnopqrstuvwxyz z
  @CONNECTED srv4@
  Delegator name is too long: ABCDEFGHIJKLMNOPQRSTUV / ABCDEFGHIJKLMNOPQRSTU
  Delegatee user-ID to add cannot contain wildcards: y*
  Delegator name is too long: ABCDEFGHIJKLMNOPQRSTUV / ABCDEFGHIJKLMNOPQRSTU
  Delegator name is too long: ABCDEFGHIJKLMNOPQRSTUV / ABCDEFGHIJKLMNOPQRSTU
  
  Delegates added:0, errors:3
  @DISCONNECTED srv4@
  [2]
  $ telvemu dump srv4 | wc -l
  1

User IDs print as they are, never as a format.

  $ telvdelegate -an srv4 '%s%n%x' '%d'
  @CONNECTED srv4@
  Delegate loaded: %s%n%x <- %d
  
  Delegates added:1, errors:0
  @DISCONNECTED srv4@
  $ telvemu dump srv4
  1 0002 0FFFFFFF 00000000 00000000 00000000 alice abcdefghijklmnopqrstu
  2 0002 00000000 00000000 00000000 00000000 %s%n%x %d

A failed save is reported and counted as an error; the others go on.

  $ telvemu create srv5
  $ telvemu fault srv5 save alice BOB 10005
  $ telvdelegate -aa srv5 alice bob carol
  @CONNECTED srv5@
  Can't load delegate info (10005): alice <- bob
  Delegate loaded: alice <- carol
  
  Delegates added:1, errors:1
  @DISCONNECTED srv5@
  [2]
  $ telvemu dump srv5
  1 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice carol

With -q the lines of the delegations saved and replaced are left out; the
refusals, failures and the summary stay.

  $ telvdelegate -q -ar srv5 alice bob carol 'd*'
  @CONNECTED srv5@
  Can't load delegate info (10005): alice <- bob
  Delegatee user-ID to add cannot contain wildcards: d*
  
  Delegates added:1, errors:1
  @DISCONNECTED srv5@
  [2]
  $ telvemu dump srv5
  2 0002 0FFFFFFF 00000000 00000000 00000000 alice carol
