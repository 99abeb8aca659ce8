// One connection to a Telvane fax server through its client library.
//
// Connects with retries, refuses a server whose release is too old for
// us, remembers the last error code and turns it into text, and
// disconnects. It knows nothing of what a program does once connected:
// programs derive from it and use the handle and the server name.
#ifndef TELVPROGRAM_SERVER_CONNECTION_H_
#define TELVPROGRAM_SERVER_CONNECTION_H_

#include <stdint.h>

#include <optional>
#include <string>

#include "telvwin32.h"

class ServerConnection {
 public:
  ServerConnection() = default;
  // Disconnects when still connected.
  virtual ~ServerConnection();

  ServerConnection(const ServerConnection&) = delete;
  ServerConnection& operator=(const ServerConnection&) = delete;

  // Prints the client library's version line, without a flush: the next
  // line, the server's name, always follows it.
  void printLibraryVersion();

  // Connects to the named server (name or address), trying up to five
  // times, and checks its release. Called once, on an unconnected object.
  // A server that fails the release check stays connected, yet connect
  // returns false.
  bool connect(const char* serverName);

  // The text of the last error, at most 500 characters.
  const char* errorText();

  // Closes the connection; does nothing when not connected.
  void disconnect();

  // 0 while not connected.
  uint32_t serverHandle() const { return serverHandle_; }
  // The name given to connect, once connected; null before.
  const char* serverName() const { return serverName_ ? serverName_->c_str() : nullptr; }

  // How often connect tries, and how long it waits after each failure.
  static constexpr int kConnectAttempts = 5;
  static constexpr uint32_t kRetryWaitMs = 10000;
  // The oldest server release we work with: 5.20.
  static constexpr uint32_t kRequiredRelease = 0x0520;
  // Room for an error text and its NUL.
  static constexpr int kErrorTextSize = 501;

 private:
  // Fetches the server-information block and keeps the server's own name.
  bool queryServerInfo();

  // The name the server gives itself, when it has told it.
  std::optional<std::string> reportedServerName_;
  std::optional<std::string> serverName_;
  uint32_t serverHandle_ = 0;
  uint32_t lastError_ = 0;
  char errorText_[kErrorTextSize] = {};
};

#endif  // TELVPROGRAM_SERVER_CONNECTION_H_
