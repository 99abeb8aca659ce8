On Windows the tool loads TELVWIN32.dll itself. Without it, or with one that
lacks a call, it says so in one line and ends as a failed connection does;
Windows shows no message box. The output file is made, as before
any connection, and the usage needs no library.

  $ telvdelegate -o out.txt demo
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Can't load TELVWIN32.dll: error 126: Module not found.
  [1]
  $ ls
  out.txt
  $ telvdelegate -? | tail -n 1
  An input file (-i) to load must be the output file (-o) from a previous run.
  $ cp "$INCOMPLETE_DLL" TELVWIN32.dll && telvdelegate demo
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Can't find TelvSaveDelegate in TELVWIN32.dll: error 127: Procedure not found.
  [1]
