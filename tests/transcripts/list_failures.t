When the list cannot be fetched or sorted, the listing says so and stops:
no summary line, nothing written to the output, and the run ends with
status 2, so that a backup that saved nothing never passes for one of a
server without delegations.

  $ telvemu demo
  $ telvemu fault demo list 10006
  $ telvdelegate demo
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Can't retrieve delegates list: demo
  @DISCONNECTED demo@
  [2]
  $ telvdelegate -o out.txt demo
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Can't retrieve delegates list: demo
  @DISCONNECTED demo@
  [2]
  $ wc -c < out.txt
  0

  $ telvemu fault demo clear
  $ telvemu fault demo sort 10006
  $ telvdelegate -l demo
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  Can't sort delegates list: demo
  @DISCONNECTED demo@
  [2]

A listing file that cannot be written whole is not a listing: the run says
why and ends with status 3, after the usual closing lines.

  $ telvemu fault demo clear
  $ telvdelegate -o /dev/full demo
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:7, delegates:8
  Can't write output file: /dev/full: No space left on device
  @DISCONNECTED demo@
  [3]

Where nothing was to be written, nothing failed.

  $ telvdelegate -o /dev/full demo nobody
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED demo@
  $ telvemu fault demo list 10006
  $ telvdelegate -o /dev/full demo
  @CONNECTED demo@
  Retrieving in-box delegates list...
  Can't retrieve delegates list: demo
  @DISCONNECTED demo@
  [2]

Standard output that cannot be written is reported on standard error once
the run has ended, with status 3: the listing there was cut short.

  $ telvdelegate demo >/dev/full
  Can't write standard output: No space left on device
  [3]

With standard output closed, the run's messages go nowhere, which ends it
with status 3, as a standard output that cannot be written does; the
listing file still gets the listing alone, as it does when standard output
is open.

  $ telvemu demo
  $ telvdelegate -o closed.txt demo >&-
  Can't write standard output: Bad file descriptor
  [3]
  $ telvdelegate -o open.txt demo >/dev/null; cmp closed.txt open.txt && wc -l <open.txt
  9

A reader that goes away is no failure of the output: where the closed pipe
does not end the run, the run goes on and ends as it would have.

  $ python3 -c 'import os, subprocess; r, w = os.pipe(); os.close(r); print("status", subprocess.run(["telvdelegate", "demo"], stdout=w, restore_signals=False).returncode)'
  status 0
