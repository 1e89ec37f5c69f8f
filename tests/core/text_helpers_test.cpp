#include "core/text_helpers.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(TextHelpers, PadBlanksGivesOneFewerThanAskedAndAtMostEighty) {
  EXPECT_EQ(PadBlanks(1), "");
  EXPECT_EQ(PadBlanks(0), "");
  EXPECT_EQ(PadBlanks(4, '_'), "___");
  EXPECT_EQ(PadBlanks(200).size(), 80u);
}

}  // namespace
}  // namespace velmora
