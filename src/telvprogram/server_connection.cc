#include "server_connection.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "console_output.h"
#include "platform_sleep.h"
#include "telvwin32.h"
#include "utc_time.h"

namespace {

// Passed to TelvCreateServerHandle; the library defines its meaning.
const int32_t kConnectMode = 4;

// Room for the formatted API version time.
const size_t kVersionTextSize = 81;

}  // namespace

void ServerConnection::printLibraryVersion() {
  // The stamp counts seconds since 1970 UTC as the library gives it,
  // unsigned, since a 32-bit time_t would end in 2038.
  char text[kVersionTextSize];
  const std::tm utc = utcTimeOf(TelvGetAPIVersion());
  std::strftime(text, sizeof text, "%m/%d/%Y %H:%M:%SZ", &utc);
  printUnflushed("Telvane API version: %s\n", text);
}

ServerConnection::~ServerConnection() {
  disconnect();
}

bool ServerConnection::connect(const char* serverName) {
  printMessage("Connecting to Telvane server: %s\n", serverName);

  for (int attempt = 1; attempt <= kConnectAttempts; ++attempt) {
    printMessage("Connect(%d) to Telvane server: %s\n", attempt, serverName);
    uint32_t error = 0;
    uint32_t handle = TelvCreateServerHandle(serverName, kConnectMode, &error);
    if (handle != 0) {
      printMessage("Connected to Telvane server:  %s\n", serverName);
      lastError_ = 0;
      serverHandle_ = handle;
      serverName_ = serverName;
      reportedServerName_.reset();
      break;
    }
    lastError_ = error;
    printMessage("Connect failed to Telvane server: %s, error %d: %s\n", serverName,
                 static_cast<int>(error), errorText());
    // The wait follows the last failure too: the server gets the same rest
    // however the run goes on.
    Sleep(kRetryWaitMs);
  }
  if (serverHandle_ == 0) {
    printMessage("Can't connect to Telvane server after %d tries: %s\n", kConnectAttempts,
                 serverName);
    return false;
  }

  // The check's own code is not kept: the last error stays that of the
  // successful connection. The handle stays open until disconnect.
  if (TelvVersionCheck(serverHandle_, kRequiredRelease, 0) != 0) {
    printMessage("Incompatible Telvane server release, need %X.%02X\n", kRequiredRelease >> 8,
                 kRequiredRelease & 0xFF);
    return false;
  }

  // The server's own name only adorns the disconnect line; without it the
  // connection is as good.
  queryServerInfo();
  return true;
}

bool ServerConnection::queryServerInfo() {
  // Only the server's name is wanted of the block.
  unsigned char serverInfo[TELV_SERVER_INFO_SIZE] = {};
  uint32_t error = TelvGetServerInfo2(serverHandle_, serverInfo);
  if (error != 0) {
    lastError_ = error;
    return false;
  }
  lastError_ = 0;
  // The name must end within the block; a block without a NUL after the
  // name is cut at its end rather than read past it.
  const size_t room = TELV_SERVER_INFO_SIZE - TELV_SERVER_INFO_NAME_OFFSET;
  char name[room + 1];
  std::memcpy(name, serverInfo + TELV_SERVER_INFO_NAME_OFFSET, room);
  name[room] = '\0';
  reportedServerName_ = name;
  return true;
}

const char* ServerConnection::errorText() {
  TelvStringTelvErr(lastError_, errorText_, kErrorTextSize);
  errorText_[kErrorTextSize - 1] = '\0';
  return errorText_;
}

void ServerConnection::disconnect() {
  if (serverHandle_ == 0) {
    return;
  }
  printMessage("Disconnect from Telvane server: %s, %s\n", serverName_ ? serverName_->c_str() : "-",
               reportedServerName_ ? reportedServerName_->c_str() : "-");
  TelvCloseServerHandle(serverHandle_);
  serverHandle_ = 0;
  printMessage("Disconnected\n");
}
