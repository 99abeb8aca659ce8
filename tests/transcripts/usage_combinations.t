A combination that is refused prints its own message before the usage,
without the line that says what the tool does.

  $ telvdelegate -aa -d host alice bob
  @BANNER@
  Add (-a) cannot be used with any other option
  
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

The checks come in a fixed order; each run stops at its own message, which
takes the place of the line that says what the tool does in the output of a
run without arguments, and ends with the same status.

  $ for options in '-ar -o out.txt host alice bob' '-ao host alice' -an '-d -i in.txt host alice bob' '-d -o out.txt host alice bob' '-d host alice' '-i in.txt -o out.txt host' -l; do echo "telvdelegate $options:"; diff <(telvdelegate; echo "[$?]") <(telvdelegate $options; echo "[$?]"); done
  telvdelegate -ar -o out.txt host alice bob:
  4c4
  < Manage in-box delegates on a Telvane server.
  ---
  > Add (-a) cannot be used with any other option
  telvdelegate -ao host alice:
  4c4
  < Manage in-box delegates on a Telvane server.
  ---
  > Add option (-a) requires delegator user-ID and one or more delegate names.
  telvdelegate -an:
  4c4
  < Manage in-box delegates on a Telvane server.
  ---
  > Add option (-a) requires delegator user-ID and one or more delegate names.
  telvdelegate -d -i in.txt host alice bob:
  4c4
  < Manage in-box delegates on a Telvane server.
  ---
  > Delete (-d) cannot be used with any other option
  telvdelegate -d -o out.txt host alice bob:
  4c4
  < Manage in-box delegates on a Telvane server.
  ---
  > Delete (-d) cannot be used with any other option
  telvdelegate -d host alice:
  4c4
  < Manage in-box delegates on a Telvane server.
  ---
  > Delete option (-d) requires delegator user-ID and one or more delegate names.
  telvdelegate -i in.txt -o out.txt host:
  4c4
  < Manage in-box delegates on a Telvane server.
  ---
  > Only one file option (-i or -o) can be specified
  telvdelegate -l:

No file was opened or created by any of these runs.

  $ ls
