A combination that is refused prints its own message before the usage,
without the line that says what the tool does.

  $ telvdelegate -aa -d host alice bob
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
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
      -l          Long (verbose) format.
      -i file     Input file to load.
      -o file     Output file (default is standard output).
  
  If no delegator user-IDs are specified, a list of all delegates is printed.
  User names may contain '?' and '*' wildcard characters.
  Adding (-a) or deleting (-d) delegates requires both a delegator and a
  delegatee user-ID.
  An input file (-i) to load must be the output file (-o) from a previous run.
  [255]

The checks come in a fixed order; each run shows the message it stops at.

  $ telvdelegate -ar -o out.txt host alice bob | sed -n 4p; echo ${PIPESTATUS[0]}
  Add (-a) cannot be used with any other option
  255
  $ telvdelegate -ao host alice | sed -n 4p; echo ${PIPESTATUS[0]}
  Add option (-a) requires delegator user-ID and one or more delegate names.
  255
  $ telvdelegate -an | sed -n 4p; echo ${PIPESTATUS[0]}
  Add option (-a) requires delegator user-ID and one or more delegate names.
  255
  $ telvdelegate -d -i in.txt host alice bob | sed -n 4p; echo ${PIPESTATUS[0]}
  Delete (-d) cannot be used with any other option
  255
  $ telvdelegate -d -o out.txt host alice bob | sed -n 4p; echo ${PIPESTATUS[0]}
  Delete (-d) cannot be used with any other option
  255
  $ telvdelegate -d host alice | sed -n 4p; echo ${PIPESTATUS[0]}
  Delete option (-d) requires delegator user-ID and one or more delegate names.
  255
  $ telvdelegate -i in.txt -o out.txt host | sed -n 4p; echo ${PIPESTATUS[0]}
  Only one file option (-i or -o) can be specified
  255
  $ telvdelegate -l | sed -n 4p; echo ${PIPESTATUS[0]}
  Manage in-box delegates on a Telvane server.
  255

No file was opened or created by any of these runs.

  $ ls
