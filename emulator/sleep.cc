#include "sleep.h"

#include <stdio.h>

#include <chrono>
#include <thread>

#include "emulator_env.h"
#include "exports.h"

TELV_EXPORT void Sleep(uint32_t ms) {
  if (const char* logFile = envSleepLog()) {
    if (FILE* log = fopen(logFile, "a")) {
      fprintf(log, "Sleep(%u)\n", ms);
      fclose(log);
    }
  }
  uint32_t limit = 0;
  uint32_t wait = envSleepLimit(&limit) && limit < ms ? limit : ms;
  if (wait > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(wait));
  }
}
