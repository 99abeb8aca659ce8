// The error texts the process has learnt: those registered on every server it
// opened, and the message of the last database failure.
#ifndef EMULATOR_TEXT_REGISTRY_H_
#define EMULATOR_TEXT_REGISTRY_H_

#include <stdint.h>

#include <string>

void RegistryRemember(uint32_t code, const std::string& text);

// The registered text of code; false when none is.
bool RegistryLookup(uint32_t code, std::string* text);

void RegistryRememberDatabaseError(const std::string& message);
// Empty until a database call failed.
std::string RegistryDatabaseError();

// The text TelvStringTelvErr gives: registered, built in, or a generic one.
std::string RegistryErrorText(uint32_t code);

#endif  // EMULATOR_TEXT_REGISTRY_H_
