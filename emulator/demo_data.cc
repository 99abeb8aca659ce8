#include "demo_data.h"

#include "presets.h"

namespace {

struct DemoEntry {
  const char* delegator;
  const char* delegate;
  const char* preset;
};

constexpr DemoEntry kEntries[] = {
    {"FrontDesk", "JMiller", "editor"},   {"Sales", "anna.schmidt", "reviewer"},
    {"Accounting", "BKowalski", "all"},   {"frontdesk", "JMiller", "owner"},
    {"jmiller", "Assistant01", "editor"}, {"Support", "anna.schmidt", "none"},
    {"CEO-Office", "PLarsen", "owner"},   {"Helpdesk", "bkowalski", "reviewer"},
};

}  // namespace

std::vector<DelegationRow> demoRows() {
  std::vector<DelegationRow> rows;
  for (const DemoEntry& entry : kEntries) {
    const Preset* preset = findPreset(entry.preset);
    DelegationRow row;
    row.type = preset->type;
    for (int i = 0; i < 4; ++i) {
      row.masks[i] = preset->masks[i];
    }
    row.delegator = entry.delegator;
    row.delegate = entry.delegate;
    rows.push_back(row);
  }
  return rows;
}
