#include "seed.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "presets.h"

namespace {

// Our own generator and reductions, because the standard distributions may
// differ between library implementations and the rows must not.
struct Random {
  uint64_t state;
  uint64_t next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  uint64_t below(uint64_t bound) { return next() % bound; }
};

constexpr const char* kFirstNames[] = {
    "Anna",   "Bernd",  "Carla",  "David", "Elena",  "Frank", "Greta",  "Hans",   "Ines",  "Jonas",
    "Karin",  "Lukas",  "Maria",  "Nils",  "Olga",   "Paul",  "Rita",   "Stefan", "Tanja", "Uwe",
    "Vera",   "Werner", "Yvonne", "Zoran", "Agnes",  "Boris", "Clara",  "Dieter", "Emma",  "Felix",
    "Gisela", "Heinz",  "Ingrid", "Jakob", "Katrin", "Leon",  "Monika", "Otto",   "Petra", "Ralf"};
constexpr const char* kLastNames[] = {
    "Miller",  "Schmidt",   "Kowalski", "Larsen",     "Weber",    "Fischer",  "Meyer",
    "Wagner",  "Becker",    "Hoffmann", "Schulz",     "Koch",     "Richter",  "Klein",
    "Wolf",    "Neumann",   "Schwarz",  "Zimmermann", "Braun",    "Hartmann", "Lange",
    "Krause",  "Lehmann",   "Kaiser",   "Fuchs",      "Peters",   "Jung",     "Hahn",
    "Vogel",   "Friedrich", "Keller",   "Berger",     "Winkler",  "Roth",     "Lorenz",
    "Baumann", "Nowak",     "Jensen",   "Okafor",     "Fernandez"};
constexpr const char* kOffices[] = {
    "FrontDesk", "Reception", "Sales",     "Accounting", "Helpdesk",  "Support",   "Payroll",
    "Legal",     "Marketing", "Logistics", "Purchasing", "Warehouse", "Dispatch",  "Billing",
    "Claims",    "Archive",   "Mailroom",  "Facilities", "Research",  "Compliance"};
constexpr const char* kDepartments[] = {".accounting", ".procurement", "-headquarters",
                                        ".customerservice", "_administration"};

template <typename T, size_t N>
const char* pick(Random* random, T (&names)[N]) {
  return names[random->below(N)];
}

std::string lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return text;
}

std::string upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return text;
}

// One user ID as people pick them: names in several styles, or offices.
std::string makeUserId(Random* random) {
  std::string first = pick(random, kFirstNames);
  std::string last = pick(random, kLastNames);
  switch (random->below(6)) {
    case 0:
      return lower(first + "." + last);
    case 1:
      return first.substr(0, 1) + last;
    case 2:
      return first + "_" + last;
    case 3:
      return lower(last + first.substr(0, 1));
    case 4:
      return std::string(pick(random, kOffices)) + std::to_string(random->below(20) + 1);
    default:
      return pick(random, kOffices);
  }
}

// A user ID that fills the 21 characters a field holds besides its NUL.
std::string makeLongUserId(Random* random) {
  std::string id = makeUserId(random) + pick(random, kDepartments);
  while (id.size() < 21) {
    id += static_cast<char>('0' + random->below(10));
  }
  return id.substr(0, 21);
}

// Users unique ignoring case, so that a repeat in other case is always a
// deliberate one.
std::vector<std::string> makeUserPool(size_t size, Random* random) {
  std::vector<std::string> pool;
  std::unordered_set<std::string> taken;
  // The next number to try after each base, so that a popular base does
  // not retry every number it already used.
  std::unordered_map<std::string, uint64_t> nextNumber;
  while (pool.size() < size) {
    bool isLong = random->below(20) == 0;
    std::string id = isLong ? makeLongUserId(random) : makeUserId(random);
    std::string base = lower(id);
    uint64_t& number = nextNumber.emplace(base, 2).first->second;
    std::string original = id;
    while (!taken.insert(lower(id)).second) {
      std::string suffix = std::to_string(number++);
      id = original.substr(0, 21 - suffix.size()) + suffix;
    }
    pool.push_back(id);
  }
  return pool;
}

std::string otherCase(const std::string& id, Random* random) {
  return random->below(2) == 0 ? lower(id) : upper(id);
}

}  // namespace

void seedGenerate(uint64_t count, uint64_t seed,
                  const std::function<void(const DelegationRow&)>& emit) {
  Random random{seed};
  size_t poolSize = static_cast<size_t>(count / 8 < 16 ? 16 : count / 8);
  std::vector<std::string> pool = makeUserPool(poolSize, &random);
  std::vector<std::pair<uint32_t, uint32_t>> pairs;
  pairs.reserve(static_cast<size_t>(count));
  DelegationRow row;
  for (uint64_t i = 0; i < count; ++i) {
    std::pair<uint32_t, uint32_t> pair;
    bool repeat = !pairs.empty() && random.below(100) < 3;
    if (repeat) {
      pair = pairs[random.below(pairs.size())];
    } else {
      pair.first = static_cast<uint32_t>(random.below(pool.size()));
      do {
        pair.second = static_cast<uint32_t>(random.below(pool.size()));
      } while (pair.second == pair.first);
    }
    pairs.push_back(pair);
    row.delegator = pool[pair.first];
    if (repeat && random.below(2) == 0) {
      row.delegator = otherCase(row.delegator, &random);
    }
    row.delegate = pool[pair.second];
    const Preset& preset = kPresets[random.below(kPresetCount)];
    row.type = preset.type;
    for (int m = 0; m < 4; ++m) {
      row.masks[m] = preset.masks[m];
    }
    emit(row);
  }
}
