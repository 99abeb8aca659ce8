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
#include "server_files.h"
#include "telvwin32.h"
#include "text_table.h"

namespace {

// The release the emulated server runs, reported in the information block.
constexpr uint32_t kServerRelease = 0x0610;

uint32_t DatabaseFailure(Store* store) {
  RegistryRememberDatabaseError(StoreError(store));
  return kErrDatabase;
}

// Runs a fault lookup for a call that fails with the fault's code; 0 when
// no such fault is set.
uint32_t FaultCode(ConnectedServer* server, FaultKind kind) {
  Fault fault;
  switch (FaultFind(&server->store, kind, "", "", &fault)) {
    case FaultLookup::kFound:
      return fault.code;
    case FaultLookup::kNone:
      return 0;
    case FaultLookup::kFailed:
      break;
  }
  return DatabaseFailure(&server->store);
}

void SetError(uint32_t* error, uint32_t code) {
  if (error != nullptr) {
    *error = code;
  }
}

}  // namespace

TELV_EXPORT uint32_t TELVAPI_CALL TelvGetAPIVersion(void) {
  CheckCallerFlushed("TelvGetAPIVersion");
  return EnvApiVersion();
}

TELV_EXPORT uint32_t TELVAPI_CALL TelvCreateServerHandle(const char* serverName, int32_t /*mode*/,
                                                         uint32_t* error) {
  CheckCallerFlushed("TelvCreateServerHandle");
  if (serverName == nullptr) {
    SetError(error, kErrBadArgument);
    return 0;
  }
  auto server = std::make_shared<ConnectedServer>();
  if (!ServerOpen(serverName, &server->store, nullptr)) {
    SetError(error, kErrUnknownServer);
    return 0;
  }
  // Texts load before the connect fault is taken, so that the caller can
  // put the failure into words.
  std::vector<std::pair<uint32_t, std::string>> texts;
  if (!TextList(&server->store, &texts)) {
    SetError(error, DatabaseFailure(&server->store));
    return 0;
  }
  for (const auto& text : texts) {
    RegistryRemember(text.first, text.second);
  }
  uint32_t code = 0;
  switch (FaultTakeConnect(&server->store, &code)) {
    case FaultLookup::kFound:
      SetError(error, code);
      return 0;
    case FaultLookup::kFailed:
      SetError(error, DatabaseFailure(&server->store));
      return 0;
    case FaultLookup::kNone:
      break;
  }
  SetError(error, 0);
  return HandleAddServer(std::move(server));
}

TELV_EXPORT uint32_t TELVAPI_CALL TelvVersionCheck(uint32_t handle, uint32_t /*release*/,
                                                   uint32_t /*flags*/) {
  CheckCallerFlushed("TelvVersionCheck");
  std::shared_ptr<ConnectedServer> server = HandleServer(handle);
  if (server == nullptr) {
    return kErrInvalidHandle;
  }
  std::lock_guard<std::mutex> lock(server->mutex);
  return FaultCode(server.get(), FaultKind::kRelease);
}

TELV_EXPORT uint32_t TELVAPI_CALL TelvGetServerInfo2(uint32_t handle, void* info) {
  CheckCallerFlushed("TelvGetServerInfo2");
  std::shared_ptr<ConnectedServer> server = HandleServer(handle);
  if (server == nullptr) {
    return kErrInvalidHandle;
  }
  if (info == nullptr) {
    return kErrBadArgument;
  }
  std::lock_guard<std::mutex> lock(server->mutex);
  if (uint32_t code = FaultCode(server.get(), FaultKind::kInfo)) {
    return code;
  }
  Fault nameFault;
  std::string name;
  switch (FaultFind(&server->store, FaultKind::kName, "", "", &nameFault)) {
    case FaultLookup::kFound:
      name = nameFault.subject;
      break;
    case FaultLookup::kNone:
      if (!ServerReportedName(&server->store, &name)) {
        return DatabaseFailure(&server->store);
      }
      break;
    case FaultLookup::kFailed:
      return DatabaseFailure(&server->store);
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
  CheckCallerFlushed("TelvStringTelvErr");
  if (buffer == nullptr || size <= 0) {
    return;
  }
  std::string text = RegistryErrorText(code);
  size_t length = std::min(text.size(), static_cast<size_t>(size) - 1);
  memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

TELV_EXPORT void TELVAPI_CALL TelvCloseServerHandle(uint32_t handle) {
  CheckCallerFlushed("TelvCloseServerHandle");
  if (HandleServer(handle) != nullptr) {
    CheckListsClosed(handle, "as the server handle is closed");
  }
  HandleRemoveServer(handle);
}
