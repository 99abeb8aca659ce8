Without arguments the tool prints its banner, says what it does, shows the
usage and ends with status 255.

  $ telvdelegate
  @BANNER@
  Manage in-box delegates on a Telvane server.
  @USAGE@
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
