// The permission presets telvdelegate offers, as the type code and the four
// masks a delegation stores. Sample and generated servers use only these.
#ifndef EMULATOR_PRESETS_H_
#define EMULATOR_PRESETS_H_

#include <stdint.h>

struct Preset {
  const char* name;
  uint32_t type;
  uint32_t masks[4];
};

constexpr uint32_t kPresetType = 0x0002;

constexpr Preset kPresets[] = {
    {"all", kPresetType, {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}},
    {"editor", kPresetType, {0x0FFFFFFF, 0x0FFFFFFF, 0x00000000, 0x0FFFFFF9}},
    {"none", kPresetType, {0x00000000, 0x00000000, 0x00000000, 0x00000000}},
    {"owner", kPresetType, {0x0FFFFFFF, 0x0FFFFFFF, 0x0FFFFFFF, 0x0FFFFFFF}},
    {"reviewer", kPresetType, {0x0FFFFFFF, 0x00000000, 0x00000000, 0x00000000}},
};

constexpr int kPresetCount = sizeof(kPresets) / sizeof(kPresets[0]);

// The preset of a name above; null for any other.
const Preset* findPreset(const char* name);

#endif  // EMULATOR_PRESETS_H_
