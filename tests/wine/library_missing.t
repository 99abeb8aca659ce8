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
  @USAGE@
  [255]
  $ cp "$INCOMPLETE_DLL" TELVWIN32.dll && telvdelegate demo
  @BANNER@
  Can't find TelvSaveDelegate in TELVWIN32.dll: error 127: Procedure not found.
  [1]
