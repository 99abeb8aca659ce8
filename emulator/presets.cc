#include "presets.h"

#include <string.h>

const Preset* findPreset(const char* name) {
  for (const Preset& preset : kPresets) {
    if (strcmp(preset.name, name) == 0) {
      return &preset;
    }
  }
  return nullptr;
}
