// The tool's hot pure functions, each timed alone: the ones a listing,
// a delete or a load calls once or more for every delegation.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "attribute_text.h"
#include "listing_file.h"
#include "telvwin32.h"
#include "user_id_match.h"

namespace {

// User IDs as a site has them: names in several styles, offices, and some
// that fill all 21 characters.
const char* const kUserIds[] = {
    "anna.miller",     "BSchmidt",         "Carla_Kowalski", "larsend",          "FrontDesk",
    "frontdesk",       "Reception12",      "helga.weber",    "Sales3",           "jensenp",
    "Okafor_Zoran",    "monika.fernandez", "Support",        "payroll.accounti", "Legal7",
    "WarehouseSchulz", "dispatch",         "Archive20",      "Mailroom",         "wagnerk",
};

TelvDelegateRecord makeRecord(const char* delegator, const char* delegate) {
  TelvDelegateRecord record;
  std::memset(&record, 0, sizeof record);
  std::strncpy(record.delegator, delegator, sizeof record.delegator - 1);
  std::strncpy(record.delegate, delegate, sizeof record.delegate - 1);
  record.typeCode = 2;
  record.masks[0] = 0x0FFFFFFF;
  return record;
}

void BM_CompareNoCase(benchmark::State& state) {
  const size_t count = sizeof kUserIds / sizeof kUserIds[0];
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(compareNoCase(kUserIds[i % count], kUserIds[(i + 1) % count]));
    ++i;
  }
}
BENCHMARK(BM_CompareNoCase);

// The case a sort meets most: IDs equal but for case, compared to the end.
void BM_CompareNoCaseEqual(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(compareNoCase("Payroll.Accounting123", "payroll.accounting123"));
  }
}
BENCHMARK(BM_CompareNoCaseEqual);

void BM_CompareDelegations(benchmark::State& state) {
  // Same delegator in other case, so both fields are compared.
  TelvDelegateRecord a = makeRecord("FrontDesk", "anna.miller");
  TelvDelegateRecord b = makeRecord("frontdesk", "Anna.Millers");
  for (auto _ : state) {
    benchmark::DoNotOptimize(compareDelegations(&a, &b));
  }
}
BENCHMARK(BM_CompareDelegations);

void BM_MatchPatternTypical(benchmark::State& state) {
  const char* const patterns[] = {"a*", "*desk", "Sales?", "*.miller", "f*d*k"};
  const size_t idCount = sizeof kUserIds / sizeof kUserIds[0];
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(matchPattern(kUserIds[i % idCount], patterns[i % 5]));
    ++i;
  }
}
BENCHMARK(BM_MatchPatternTypical);

// Many stars and a name that almost matches: every star retries, the
// worst a 21-character name can make the matcher work.
void BM_MatchPatternAdversarial(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(matchPattern("aaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*a*a*c"));
  }
}
BENCHMARK(BM_MatchPatternAdversarial);

// A pattern typed by a hand that slipped: long runs of stars and question
// marks over a long name.
void BM_MatchPatternLong(benchmark::State& state) {
  std::string name(state.range(0), 'a');
  std::string pattern;
  for (int i = 0; i < state.range(0) / 2; ++i) {
    pattern += "*?";
  }
  pattern += "b";
  for (auto _ : state) {
    benchmark::DoNotOptimize(matchPattern(name.c_str(), pattern.c_str()));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MatchPatternLong)->RangeMultiplier(4)->Range(16, 1024)->Complexity();

void BM_FormatAttributeText(benchmark::State& state) {
  DelegateAttributes attributes;
  attributes.typeCode = 2;
  attributes.masks[0] = 0x0FFFFFFF;
  attributes.masks[1] = 0xFFFFFFFF;
  attributes.masks[2] = 0x00000300;
  char text[kAttributeTextSize];
  for (auto _ : state) {
    formatAttributeText(attributes, text);
    benchmark::DoNotOptimize(text);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FormatAttributeText);

void BM_ScanListingLine(benchmark::State& state) {
  const char line[] = "0002 0FFFFFFF FFFFFFFF 00000300 00000000 payroll.accounti Okafor_Zoran *";
  ListingLine scanned;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scanListingLine(line, &scanned));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ScanListingLine);

}  // namespace

BENCHMARK_MAIN();
