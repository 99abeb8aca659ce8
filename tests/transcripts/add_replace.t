Adding a pair the server already holds replaces it: every delegation of the
pair, found ignoring case, is removed before the new one is saved, which
keeps the user IDs as typed.

  $ telvemu create srv1
  $ telvemu add srv1 Alice Bob 0002 1 2 3 4
  $ telvemu add srv1 alice carol
  $ telvdelegate -an srv1 ALICE bob
  @CONNECTED srv1@
  Replace existing delegate: ALICE <- bob
  Delegate loaded: ALICE <- bob
  
  Delegates added:1, errors:0
  @DISCONNECTED srv1@
  $ telvemu dump srv1
  2 0002 0FFFFFFF 00000000 00000000 00000000 alice carol
  3 0002 00000000 00000000 00000000 00000000 ALICE bob

When the server holds the pair twice, both copies go, each with its own
replace line, and the pair is counted once.

  $ telvemu demo
  $ telvdelegate -ao demo FRONTDESK jmiller
  @CONNECTED demo@
  Replace existing delegate: FRONTDESK <- jmiller
  Replace existing delegate: FRONTDESK <- jmiller
  Delegate loaded: FRONTDESK <- jmiller
  
  Delegates added:1, errors:0
  @DISCONNECTED demo@
  $ telvemu dump demo | grep -i 'frontdesk'
  9 0002 0FFFFFFF 0FFFFFFF 0FFFFFFF 0FFFFFFF FRONTDESK jmiller

A dry run (-n) of the same add names each copy it would replace, marked
"(unchanged)" where the copy holds the new permissions already, and
changes nothing.

  $ telvemu demo
  $ telvemu dump demo > before.txt
  $ telvdelegate -n -ao demo FRONTDESK jmiller
  @CONNECTED demo@
  Replace existing delegate: FRONTDESK <- jmiller
  Replace existing delegate: FRONTDESK <- jmiller (unchanged)
  Delegate to load: FRONTDESK <- jmiller
  
  Delegates to add:1, errors:0
  Dry run: nothing was changed on the server.
  @DISCONNECTED demo@
  $ telvemu dump demo | cmp - before.txt && echo unchanged
  unchanged

A dry run remembers what it would have saved: the second delegate of this
add is the first one's pair again, which the first save would have put on
the empty server.

  $ telvemu create empty
  $ telvdelegate -n -ao empty Sales anna ANNA
  @CONNECTED empty@
  Delegate to load: Sales <- anna
  Replace existing delegate: Sales <- ANNA (unchanged)
  Delegate to load: Sales <- ANNA
  
  Delegates to add:2, errors:0
  Dry run: nothing was changed on the server.
  @DISCONNECTED empty@

Only the pair counts: the delegate's other delegators, and the delegator's
other delegates, stay.

  $ telvemu demo
  $ telvdelegate -ar demo Support anna.schmidt
  @CONNECTED demo@
  Replace existing delegate: Support <- anna.schmidt
  Delegate loaded: Support <- anna.schmidt
  
  Delegates added:1, errors:0
  @DISCONNECTED demo@
  $ telvemu dump demo | grep anna
  2 0002 0FFFFFFF 00000000 00000000 00000000 Sales anna.schmidt
  9 0002 0FFFFFFF 00000000 00000000 00000000 Support anna.schmidt

When the old delegation cannot be removed, the pair is left as it was, and
the summary counts neither an addition nor an error for it.

  $ telvemu create srv2
  $ telvemu add srv2 alice bob
  $ telvemu fault srv2 delete 1 10003
  $ telvdelegate -aa srv2 alice bob carol
  @CONNECTED srv2@
  Replace existing delegate: alice <- bob
  Can't remove delegate (10003): alice <- bob
  Delegate loaded: alice <- carol
  
  Delegates added:1, errors:0
  @DISCONNECTED srv2@
  [2]
  $ telvemu dump srv2
  1 0002 0FFFFFFF 00000000 00000000 00000000 alice bob
  2 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice carol

When the pair is there twice and only one copy can be removed, the failure
is reported and the new delegation is still saved and counted.

  $ telvemu create srv3
  $ telvemu add srv3 alice bob
  $ telvemu add srv3 ALICE BOB
  $ telvemu fault srv3 delete 2 10003
  $ telvdelegate -aa srv3 alice bob
  @CONNECTED srv3@
  Replace existing delegate: alice <- bob
  Replace existing delegate: alice <- bob
  Can't remove delegate (10003): ALICE <- BOB
  Delegate loaded: alice <- bob
  
  Delegates added:1, errors:0
  @DISCONNECTED srv3@
  [2]
  $ telvemu dump srv3
  2 0002 0FFFFFFF 00000000 00000000 00000000 ALICE BOB
  3 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice bob

When the list of the delegate's delegations cannot be had, the new one is
saved without the check, and the run says so and ends with status 2: the
server may now hold the pair twice. A dry run says the same.

  $ telvemu create srv4
  $ telvemu add srv4 alice bob
  $ telvemu fault srv4 list 10004 bob
  $ telvdelegate -n -aa srv4 alice bob | grep -v Dry
  @CONNECTED srv4@
  Can't retrieve delegates for: bob
  Delegate to load: alice <- bob
  
  Delegates to add:1, errors:0
  @DISCONNECTED srv4@
  $ telvdelegate -aa srv4 alice bob
  @CONNECTED srv4@
  Can't retrieve delegates for: bob
  Delegate loaded: alice <- bob
  
  Delegates added:1, errors:0
  @DISCONNECTED srv4@
  [2]
  $ telvemu dump srv4
  1 0002 0FFFFFFF 00000000 00000000 00000000 alice bob
  2 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice bob

If the new delegation cannot be saved once the old one is gone, the old one
is saved back as it was, under a new entry ID, and the failure is still
counted as an error.

  $ telvemu create srv5
  $ telvemu add srv5 alice Bob 0003 1 2 3 4
  $ telvemu add srv5 Alice BOB 0004 5 6 7 8
  $ telvemu add srv5 alice carol
  $ telvemu fault srv5 save alice bob 10005 1
  $ telvdelegate -aa srv5 alice bob carol
  @CONNECTED srv5@
  Replace existing delegate: alice <- bob
  Replace existing delegate: alice <- bob
  Can't load delegate info (10005): alice <- bob
  Restored previous delegate: alice <- Bob
  Restored previous delegate: Alice <- BOB
  Replace existing delegate: alice <- carol
  Delegate loaded: alice <- carol
  
  Delegates added:1, errors:1
  @DISCONNECTED srv5@
  [2]
  $ telvemu dump srv5
  4 0003 00000001 00000002 00000003 00000004 alice Bob
  5 0004 00000005 00000006 00000007 00000008 Alice BOB
  6 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice carol

When saving the old one back fails too, that is said for each copy.

  $ telvemu create srv6
  $ telvemu add srv6 alice bob 0003 1 2 3 4
  $ telvemu add srv6 ALICE BOB 0004 5 6 7 8
  $ telvemu add srv6 ALICE Carol 0004 5 6 7 8
  $ telvemu fault srv6 save alice bob 10005 2
  $ telvdelegate -aa srv6 alice bob carol
  @CONNECTED srv6@
  Replace existing delegate: alice <- bob
  Replace existing delegate: alice <- bob
  Can't load delegate info (10005): alice <- bob
  Can't restore delegate (10005): alice <- bob
  Restored previous delegate: ALICE <- BOB
  Replace existing delegate: alice <- carol
  Delegate loaded: alice <- carol
  
  Delegates added:1, errors:1
  @DISCONNECTED srv6@
  [2]
  $ telvemu dump srv6
  4 0004 00000005 00000006 00000007 00000008 ALICE BOB
  5 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice carol
  $ telvemu fault srv6 save alice bob 10005
  $ telvdelegate -aa srv6 alice bob
  @CONNECTED srv6@
  Replace existing delegate: alice <- bob
  Can't load delegate info (10005): alice <- bob
  Can't restore delegate (10005): ALICE <- BOB
  
  Delegates added:0, errors:1
  @DISCONNECTED srv6@
  [2]
  $ telvemu dump srv6
  5 0002 FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF alice carol
