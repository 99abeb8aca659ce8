// The client library's calls about a connection to a server.
#include <string.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "caller_checks.h"
#include "emulator_env.h"
#include "error_texts.h"
#include "exports.h"
#include "fault_table.h"
#include "handle_table.h"
#include "latency.h"
#include "server_files.h"
#include "telvwin32.h"
#include "text_table.h"

namespace {

// The release the emulated server runs, reported in the information block.
constexpr uint32_t kServerRelease = 0x0610;

uint32_t databaseFailure(Store* store) {
  registryRememberDatabaseError(storeError(store));
  return kErrDatabase;
}

// Runs a fault lookup for a call that fails with the fault's code; 0 when
// no such fault is set.
uint32_t faultCode(ConnectedServer* server, FaultKind kind) {
  Fault fault;
  switch (faultFind(&server->store, kind, "", "", &fault)) {
    case FaultLookup::kFound:
      return fault.code;
    case FaultLookup::kNone:
      return 0;
    case FaultLookup::kFailed:
      break;
  }
  return databaseFailure(&server->store);
}

void setError(uint32_t* error, uint32_t code) {
  if (error != nullptr) {
    *error = code;
  }
}

}  // namespace

TELV_EXPORT uint32_t TELVAPI_CALL TelvGetAPIVersion(void) {
  checkCallerFlushed("TelvGetAPIVersion");
  return envApiVersion();
}

TELV_EXPORT uint32_t TELVAPI_CALL TelvCreateServerHandle(const char* serverName, int32_t /*mode*/,
                                                         uint32_t* error) {
  checkCallerFlushed("TelvCreateServerHandle");
  if (serverName == nullptr) {
    setError(error, kErrBadArgument);
    return 0;
  }
  auto server = std::make_shared<ConnectedServer>();
  if (!serverOpen(serverName, &server->store, nullptr)) {
    setError(error, kErrUnknownServer);
    return 0;
  }
  if (!latencyGet(&server->store, &server->latencyMs)) {
    setError(error, databaseFailure(&server->store));
    return 0;
  }
  // A slow server is slow to answer even to refuse.
  latencyWait(server->latencyMs);
  // Texts load before the connect fault is taken, so that the caller can
  // put the failure into words.
  std::vector<std::pair<uint32_t, std::string>> texts;
  if (!textList(&server->store, &texts)) {
    setError(error, databaseFailure(&server->store));
    return 0;
  }
  for (const auto& text : texts) {
    registryRemember(text.first, text.second);
  }
  uint32_t code = 0;
  switch (faultTakeConnect(&server->store, &code)) {
    case FaultLookup::kFound:
      setError(error, code);
      return 0;
    case FaultLookup::kFailed:
      setError(error, databaseFailure(&server->store));
      return 0;
    case FaultLookup::kNone:
      break;
  }
  setError(error, 0);
  return handleAddServer(std::move(server));
}

TELV_EXPORT uint32_t TELVAPI_CALL TelvVersionCheck(uint32_t handle, uint32_t /*release*/,
                                                   uint32_t /*flags*/) {
  checkCallerFlushed("TelvVersionCheck");
  std::shared_ptr<ConnectedServer> server = handleServer(handle);
  if (server == nullptr) {
    return kErrInvalidHandle;
  }
  latencyWait(server->latencyMs);
  std::lock_guard<std::mutex> lock(server->mutex);
  return faultCode(server.get(), FaultKind::kRelease);
}

TELV_EXPORT uint32_t TELVAPI_CALL TelvGetServerInfo2(uint32_t handle, void* info) {
  checkCallerFlushed("TelvGetServerInfo2");
  std::shared_ptr<ConnectedServer> server = handleServer(handle);
  if (server == nullptr) {
    return kErrInvalidHandle;
  }
  if (info == nullptr) {
    return kErrBadArgument;
  }
  latencyWait(server->latencyMs);
  std::lock_guard<std::mutex> lock(server->mutex);
  if (uint32_t code = faultCode(server.get(), FaultKind::kInfo)) {
    return code;
  }
  Fault nameFault;
  std::string name;
  switch (faultFind(&server->store, FaultKind::kName, "", "", &nameFault)) {
    case FaultLookup::kFound:
      name = nameFault.subject;
      break;
    case FaultLookup::kNone:
      if (!serverReportedName(&server->store, &name)) {
        return databaseFailure(&server->store);
      }
      break;
    case FaultLookup::kFailed:
      return databaseFailure(&server->store);
  }
  // Beside the name, the block carries its own size and the server's
  // release, for a caller that looks further than the name.
  unsigned char* block = static_cast<unsigned char*>(info);
  memset(block, 0, TELV_SERVER_INFO_SIZE);
  uint32_t size = TELV_SERVER_INFO_SIZE;
  memcpy(block, &size, sizeof(size));
  memcpy(block + 4, &kServerRelease, sizeof(kServerRelease));
  size_t room = TELV_SERVER_INFO_SIZE - TELV_SERVER_INFO_NAME_OFFSET - 1;
  memcpy(block + TELV_SERVER_INFO_NAME_OFFSET, name.data(), std::min(name.size(), room));
  return 0;
}

TELV_EXPORT void TELVAPI_CALL TelvStringTelvErr(uint32_t code, char* buffer, int32_t size) {
  checkCallerFlushed("TelvStringTelvErr");
  if (buffer == nullptr || size <= 0) {
    return;
  }
  std::string text = registryErrorText(code);
  size_t length = std::min(text.size(), static_cast<size_t>(size) - 1);
  memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

TELV_EXPORT void TELVAPI_CALL TelvCloseServerHandle(uint32_t handle) {
  checkCallerFlushed("TelvCloseServerHandle");
  if (std::shared_ptr<ConnectedServer> server = handleServer(handle)) {
    checkListsClosed(handle, "as the server handle is closed");
    latencyWait(server->latencyMs);
  }
  handleRemoveServer(handle);
}
