The tool reaches the client library only as a shared library, by the calls
it declares, so that any library exporting them can take the stand-in's
place.

valgrind: skip, it reads the program file rather than running it

  $ readelf -d "$(command -v telvdelegate)" | grep -o 'Shared library: \[libtelvwin32.so\]'
  Shared library: [libtelvwin32.so]
  $ nm -D --undefined-only "$(command -v telvdelegate)" | grep -o ' Telv.*\| Sleep$' | sort
   Sleep
   TelvCloseListHandle
   TelvCloseServerHandle
   TelvCreateServerHandle
   TelvDeleteDelegate
   TelvGetAPIVersion
   TelvGetDelegateList
   TelvGetServerInfo2
   TelvListGetFirstElementPtr
   TelvListGetNextElementPtr
   TelvListSort
   TelvSaveDelegate
   TelvStringTelvErr
   TelvVersionCheck
