Without arguments the tool prints its banner, says what it does, shows the
usage and ends with status 255.

  $ telvdelegate
  @BANNER@
  Manage in-box delegates on a Telvane server.
  
  usage:  telvdelegate [-option...] [-s] serverID [userID...]
          telvdelegate [-option...] [-s] serverID userID delegateID...
  
  Options:
      -s host     Telvane server name or IP address.
      -aa         Add delegates with all permissions.
      -ae         Add delegates with editor permissions.
      -an         Add delegates with no permissions.
      -ao         Add delegates with owner permissions.
      -ar         Add delegates with reviewer permissions.
      -d          Delete delegates.
      -n          Dry run: show what would change, change nothing.
      -q          Quiet: only failures and totals, no line per delegate.
      -l          Long (verbose) format.
      -i file     Input file to load.
      -o file     Output file (default is standard output).
  
  If no delegator user-IDs are specified, a list of all delegates is printed.
  User names may contain '?' and '*' wildcard characters.
  Adding (-a) or deleting (-d) delegates requires both a delegator and a
  delegatee user-ID.
  An input file (-i) to load must be the output file (-o) from a previous run.
  [255]

Every help form, in any case, and every argument that is no option lead to
the same text; so do -i, -o and -s without a value. Each run here is
compared with the one above.

  $ telvdelegate > usage.txt
  [255]
  $ for a in -? /? -help /help -HELP /Help -AA - -x; do telvdelegate "$a" host > out.txt; echo "$a $? $(cmp -s out.txt usage.txt && echo same)"; done
  -? 255 same
  /? 255 same
  -help 255 same
  /help 255 same
  -HELP 255 same
  /Help 255 same
  -AA 255 same
  - 255 same
  -x 255 same
  $ for a in -i -o -s; do telvdelegate -s host "$a" > out.txt; echo "$a $? $(cmp -s out.txt usage.txt && echo same)"; done
  -i 255 same
  -o 255 same
  -s 255 same

A help form after other options still wins, even with a server given.

  $ telvdelegate -l /? host > out.txt; echo $?; cmp out.txt usage.txt && echo same
  255
  same
