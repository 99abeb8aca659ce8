// The life of a server's database file: made and removed by telvemu, opened
// by the client library and telvemu alike.
#ifndef EMULATOR_SERVER_FILES_H_
#define EMULATOR_SERVER_FILES_H_

#include <string>

#include "store.h"

// Makes the index by which a user's delegations are found; a bulk load
// drops it and makes it anew once, which beats updating it row by row.
extern const char kDelegateIndexSql[];

// Makes an empty server, and the server folder when missing. Fails when the
// name can never be a server or the server exists. The server reports the
// name as given here.
bool serverCreate(const std::string& name, std::string* error);

// Deletes the server's database with its WAL files.
bool serverRemove(const std::string& name, std::string* error);

// Opens an existing server; never creates a file.
bool serverOpen(const char* name, Store* store, std::string* error);

// The name the server reports about itself.
bool serverReportedName(Store* store, std::string* name);

#endif  // EMULATOR_SERVER_FILES_H_
