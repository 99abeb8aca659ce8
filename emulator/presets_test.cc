#include "presets.h"

#include "gtest/gtest.h"

namespace {

TEST(PresetsTest, PresetsAreFoundByName) {
  const Preset* editor = findPreset("editor");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->type, 0x0002u);
  EXPECT_EQ(editor->masks[3], 0x0FFFFFF9u);
  const Preset* all = findPreset("all");
  ASSERT_NE(all, nullptr);
  EXPECT_EQ(all->masks[2], 0xFFFFFFFFu);
  EXPECT_EQ(findPreset("admin"), nullptr);
}

}  // namespace
