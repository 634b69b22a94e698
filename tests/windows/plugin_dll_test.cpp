// The DLL as a Windows host sees it: loadable, its nine functions callable
// through plain pointers, its version resource readable, its state kept
// between calls and gone after unloading. (That it exports the nine names
// and no others is checked on the image: e2e/check_pe_image.cmake.)
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "windows/plugin_dll.h"

namespace ostrevan::windows_testing {
namespace {

TEST(PluginDll, CarriesTheProjectVersion) {
  std::string path = host::DefaultPluginPath();
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u) << "no version resource in " << path;
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixed_size = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixed_size));
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "%u.%u.%u", unsigned{HIWORD(fixed->dwFileVersionMS)},
                unsigned{LOWORD(fixed->dwFileVersionMS)}, unsigned{HIWORD(fixed->dwFileVersionLS)});
  EXPECT_STREQ(numbers, OSTREVAN_VERSION);

  char* text = nullptr;
  UINT text_size = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904B0\\OriginalFilename",
                             reinterpret_cast<void**>(&text), &text_size));
  EXPECT_STREQ(text, "ostrevan.dll");
}

TEST(PluginDll, AnswersThroughItsExports) {
  PluginDll dll;
  uint32_t length = 0;
  EXPECT_EQ(dll.param_length(11, &length), 5);
  EXPECT_EQ(length, 5u);
  EXPECT_EQ(dll.code_length(11, &length), 20);
  EXPECT_EQ(dll.param_length(0, &length), 0);
  EXPECT_EQ(dll.param_length(11, nullptr), 0);

  char text[8] = "junk";
  EXPECT_EQ(dll.set_default(11, text), 1);
  EXPECT_STREQ(text, "A:0");
  EXPECT_EQ(dll.set_default(13, text), 0);
  EXPECT_EQ(dll.config(nullptr), -1);
}

TEST(PluginDll, CodesAndDecodesWithLimitsFromAnIniFile) {
  // An absolute path with a drive letter, as a Windows host passes it.
  char temp[MAX_PATH + 1] = {};
  ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
  std::string ini = std::string(temp) + "ostrevan-dll-test.ini";
  {
    std::ofstream out(ini, std::ios::binary);
    out << "[DEFAULT]\r\nTotal=3\r\nTypeCount=1\r\n[Type_1]\r\nName=wifi\r\nMax=1\r\n";
  }
  PluginDll dll;
  ASSERT_EQ(dll.config(ini.c_str()), 1);
  dll.code_start(0);

  uint8_t record[20] = {};
  uint32_t length = 0;
  ASSERT_EQ(dll.code(11, "A:1", record, &length), 1);
  ASSERT_EQ(length, 20u);
  const uint8_t head[12] = {0x00, 0x00, 0x76, 0, 0, 0x00, 0x00, 0x01, 0, 1, 0, 7};
  EXPECT_EQ(0, std::memcmp(record, head, sizeof head));

  // The limit of one WIFI block is reached: coded, but not counted.
  EXPECT_EQ(dll.code(11, "A:0", record, &length), 0);
  EXPECT_EQ(record[0], 1) << "the second block has instance index 1";

  char text[5] = "A:0";
  EXPECT_EQ(dll.decode(11, text, head, sizeof head), 1);
  EXPECT_STREQ(text, "A:1");
  DeleteFileA(ini.c_str());
}

}  // namespace
}  // namespace ostrevan::windows_testing
