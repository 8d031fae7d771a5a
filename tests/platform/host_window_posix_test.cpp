#include <gtest/gtest.h>

#include "platform/host_window.h"

namespace zrt::platform {
namespace {

TEST(HostWindowPosixTest, CopyDataMessagesAreRecordedInOrder) {
  RecordedCopyDataMessages().clear();
  int window = 0;
  const std::string bytes("\x0B\x1B\0\xC8", 4);
  EXPECT_TRUE(SendCopyData(&window, 0, bytes));
  EXPECT_TRUE(SendCopyData(nullptr, 7, "b"));
  EXPECT_TRUE(BringWindowToFront(&window));
  const std::vector<CopyDataMessage>& sent = RecordedCopyDataMessages();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].window, &window);
  EXPECT_EQ(sent[0].dataKind, 0u);
  EXPECT_EQ(sent[0].data, bytes);
  EXPECT_EQ(sent[1].window, nullptr);
  EXPECT_EQ(sent[1].dataKind, 7u);
  EXPECT_EQ(sent[1].data, "b");
  RecordedCopyDataMessages().clear();
}

}  // namespace
}  // namespace zrt::platform
