On Windows the tool loads TELVWIN32.dll itself. Without it, or with one that
lacks a call, it says so in one line and ends as a failed connection does;
Windows shows no message box. The output file is made, as before
any connection, and the usage needs no library.

  $ telvdelegate -o out.txt demo
  @BANNER@
  Can't load TELVWIN32.dll: error 126: Module not found.
  [1]
  $ ls
  out.txt
  $ telvdelegate -?
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
  $ cp "$INCOMPLETE_DLL" TELVWIN32.dll && telvdelegate demo
  @BANNER@
  Can't find TelvSaveDelegate in TELVWIN32.dll: error 127: Procedure not found.
  [1]
