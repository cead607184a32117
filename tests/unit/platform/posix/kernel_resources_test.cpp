// The Linux kernel and resources areas: the tick count, debug output and the
// embedded images found by name.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/posix/embedded_images.h"
#include "platform/win32.h"

namespace {

const void *find(const char *name) {
  return LockResource(LoadResource(nullptr, FindResourceA(nullptr, name, RT_RCDATA)));
}

std::vector<unsigned char> file_bytes(const std::string &name) {
  std::ifstream in(std::string(TORVANE_RES_DIR) + "/" + name, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

TEST(resources, holds_the_five_images_byte_for_byte) {
  struct {
    const char *name;
    size_t size;
  } images[] = {{"SKIN1", 12288}, {"SKIN2", 196608}, {"SKIN3", 196608}, {"SKIN4", 49152},
                {"REFMAP2", 196608}};
  ASSERT_EQ(embedded_image_count, 5);
  for (const auto &expected : images) {
    SCOPED_TRACE(expected.name);
    std::vector<unsigned char> bytes = file_bytes(std::string(expected.name) + ".rgb");
    ASSERT_EQ(bytes.size(), expected.size);
    const unsigned char *data = static_cast<const unsigned char *>(find(expected.name));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::vector<unsigned char>(data, data + expected.size), bytes);
  }
}

TEST(resources, finds_names_in_any_case) {
  const void *upper = find("REFMAP2");
  ASSERT_NE(upper, nullptr);
  EXPECT_EQ(find("refmap2"), upper);
  EXPECT_EQ(find("RefMap2"), upper);
  EXPECT_NE(find("skin3"), nullptr);
  EXPECT_NE(find("skin3"), find("skin4"));
}

TEST(resources, finds_nothing_for_unknown_names_other_types_or_numbers) {
  EXPECT_EQ(FindResourceA(nullptr, "skin5", RT_RCDATA), nullptr);
  EXPECT_EQ(FindResourceA(nullptr, "skin", RT_RCDATA), nullptr);
  EXPECT_EQ(FindResourceA(nullptr, "skin1", MAKEINTRESOURCEA(3)), nullptr);
  EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_RCDATA), nullptr);
  EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
  EXPECT_EQ(LockResource(nullptr), nullptr);
}

TEST(kernel, tick_count_is_the_monotonic_clock_in_milliseconds_modulo_two_to_the_32) {
  auto monotonic_ms = [] {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<unsigned long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
  };
  unsigned long long before = monotonic_ms();
  DWORD tick = GetTickCount();
  unsigned long long after = monotonic_ms();
  EXPECT_GE(tick, static_cast<DWORD>(before));
  if (static_cast<DWORD>(after) >= static_cast<DWORD>(before)) {  // no wrap in between
    EXPECT_LE(tick, static_cast<DWORD>(after));
  }
}

TEST(kernel, debug_output_goes_to_standard_error_unchanged) {
  testing::internal::CaptureStderr();
  OutputDebugStringA("GL_ARB_multitexture NOT found.\n");
  OutputDebugStringA(nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "GL_ARB_multitexture NOT found.\n");
}

TEST(kernel, sleep_lets_at_least_that_much_time_pass) {
  DWORD before = GetTickCount();
  Sleep(1);
  EXPECT_GE(GetTickCount() - before, 1u);
}

}  // namespace
