#include "delegate_list.h"

#include <stdlib.h>

#include <cstdio>
#include <functional>
#include <string>

#include "gtest/gtest.h"

namespace {

// What the emulated library reports of the caller's faults while body uses
// the handle of a server of two delegations, and of lists left open when
// the handle closes.
std::string openListsAfter(const std::function<void(uint32_t)>& body) {
  char folder[] = "/tmp/delegate_list_test.XXXXXX";
  EXPECT_NE(mkdtemp(folder), nullptr);
  setenv("TELVEMU_DIR", folder, 1);
  std::string telvemu = std::string(TELVEMU_PATH) + " ";
  EXPECT_EQ(std::system((telvemu + "create srv >/dev/null").c_str()), 0);
  EXPECT_EQ(std::system((telvemu + "add srv alice bob >/dev/null").c_str()), 0);
  EXPECT_EQ(std::system((telvemu + "add srv carol dave >/dev/null").c_str()), 0);
  uint32_t error = 0;
  uint32_t server = TelvCreateServerHandle("srv", 4, &error);
  EXPECT_NE(server, 0u);
  testing::internal::CaptureStderr();
  body(server);
  TelvCloseServerHandle(server);
  std::string report = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::system(("rm -rf " + std::string(folder)).c_str()), 0);
  return report;
}

int TELVAPI_CALL allEqual(const void*, const void*) {
  return 0;
}

TEST(DelegateList, ClosesItsListOnEveryPath) {
  // The check itself: a list fetched and never closed is reported.
  uint32_t leaked = 0;
  EXPECT_NE(openListsAfter(
                [&](uint32_t server) { TelvGetDelegateList(server, nullptr, 0, 0, 0, &leaked); }),
            "");
  TelvCloseListHandle(leaked);

  EXPECT_EQ(openListsAfter([](uint32_t) {
              DelegateList list;
              EXPECT_FALSE(list.fetch(0, nullptr));  // refused: nothing to close
            }),
            "");
  EXPECT_EQ(openListsAfter([](uint32_t server) {
              DelegateList list;
              EXPECT_TRUE(list.fetch(server, nullptr));
              EXPECT_TRUE(list.sort(allEqual));
            }),
            "");
  EXPECT_EQ(openListsAfter([](uint32_t server) {
              DelegateList list;
              EXPECT_TRUE(list.fetch(server, nullptr));
              EXPECT_NE(list.first(), nullptr);  // a walk left after its first element
            }),
            "");
  EXPECT_EQ(openListsAfter([](uint32_t server) {
              DelegateList list;
              EXPECT_TRUE(list.fetch(server, "bob"));
              int count = 0;
              for (const TelvDelegateRecord* r = list.first(); r != nullptr; r = list.next()) {
                ++count;
              }
              EXPECT_EQ(count, 1);
              list.close();  // closed early, then again by the destructor
            }),
            "");
  EXPECT_EQ(openListsAfter([](uint32_t server) {
              DelegateList list;
              EXPECT_TRUE(list.fetch(server, nullptr));
              EXPECT_TRUE(list.fetch(server, "bob"));  // the first list is closed, not lost
            }),
            "");
}

}  // namespace
