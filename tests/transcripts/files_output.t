An output file that cannot be opened ends the run with status 3, before the
library is asked anything.

  $ telvemu create srv1
  $ telvdelegate -o nodir/out.txt srv1
  @BANNER@
  Can't open/write output file: nodir/out.txt: No such file or directory
  [3]
  $ mkdir listings
  $ telvdelegate -o listings srv1
  @BANNER@
  Can't open/write output file: listings: Is a directory
  [3]

The output file is created, or emptied, before the connection is tried;
when the server cannot be reached it is left empty.

  $ printf 'an old listing\n' > out.txt
  $ telvdelegate -o out.txt nosuch > /dev/null
  [1]
  $ wc -c < out.txt
  0
  $ telvdelegate -o new.txt srv1 > /dev/null; echo $?; wc -c < new.txt
  0
  0

An output file named "-" is standard output: no file is made.

  $ telvdelegate -o - srv1
  @CONNECTED srv1@
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  @DISCONNECTED srv1@
  $ ls *.txt
  new.txt
  out.txt
