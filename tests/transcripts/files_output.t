An output file that cannot be opened ends the run with status 3, before the
library is asked anything.

  $ telvemu create srv1
  $ telvdelegate -o nodir/out.txt srv1
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Can't open/write output file: nodir/out.txt: No such file or directory
  [3]
  $ mkdir listings
  $ telvdelegate -o listings srv1 | tail -n 1
  Can't open/write output file: listings: Is a directory

The output file is created, or emptied, before the connection is tried;
when the server cannot be reached it is left empty.

  $ printf 'an old listing\n' > out.txt
  $ telvdelegate -o out.txt nosuch | tail -1; echo ${PIPESTATUS[0]}
  Can't connect to Telvane server after 5 tries: nosuch
  1
  $ wc -c < out.txt
  0
  $ telvdelegate -o new.txt srv1 > /dev/null; echo $?; wc -c < new.txt
  0
  0

An output file named "-" is standard output: no file is made.

  $ telvdelegate -o - srv1 | tail -2
  Disconnect from Telvane server: srv1, srv1
  Disconnected
  $ ls *.txt
  new.txt
  out.txt
