The bundled demo server, as the README's first command runs it.

  $ telvemu demo
  $ telvdelegate demo
  TelvDelegate - Manage in-box delegates on a Telvane server
  Version 1.0 [Built: @DATE@]
  
  Telvane API version: 12/06/2008 00:00:00Z
  Server: demo
  Connecting to Telvane server: demo
  Connect(1) to Telvane server: demo
  Connected to Telvane server:  demo
  
  
  Disconnect from Telvane server: demo, demo
  Disconnected

Making the demo server again starts it afresh.

  $ telvemu demo && telvemu dump demo | wc -l
  8
