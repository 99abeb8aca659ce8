On Windows the tool loads TELVWIN32.dll itself. Without it, or with one that
lacks a call, it says so in one line and ends as a failed connection does;
Windows shows no message box. The usage needs no library.

  $ telvdelegate -o out.txt demo; ls
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Can't load TELVWIN32.dll: error 126: Module not found.
  out.txt
  [1]
  $ telvdelegate -? | tail -n 1
      -o file     Output file (default is standard output).
  $ cp "$INCOMPLETE_DLL" TELVWIN32.dll && telvdelegate demo
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Can't find TelvSaveDelegate in TELVWIN32.dll: error 127: Procedure not found.
  [1]
