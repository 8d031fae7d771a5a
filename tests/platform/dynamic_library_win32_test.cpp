#include <gtest/gtest.h>

#include "platform/dynamic_library.h"

namespace zrt::platform {
namespace {

TEST(DynamicLibraryWin32Test, PathsAreHandedOverWithBackslashes) {
  EXPECT_EQ(NativeLibraryPath("opt/Preference.dll"), "opt\\Preference.dll");
  EXPECT_EQ(NativeLibraryPath("C:\\Keil\\SArm.dll"), "C:\\Keil\\SArm.dll");
}

}  // namespace
}  // namespace zrt::platform
