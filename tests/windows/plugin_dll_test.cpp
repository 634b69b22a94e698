// The DLL as a Windows host sees it: its nine functions, called through
// plain pointers, answer for every block type as the library in-process,
// which the headless tests prove. (Its exports and version resource are
// checked on the image: e2e/check_pe_image.cmake.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "ostrevan/plugin.h"
#include "support/host_side.h"
#include "support/sample_texts.h"
#include "windows/plugin_dll.h"

namespace ostrevan::windows_testing {
namespace {

// All that `api` answers for `type`: lengths, default text, the record of
// `text` and the text read back from that record.
std::string Answers(const host::PluginApi& api, int type, const std::string& text) {
  uint32_t param_length = 0, code_length = 0, length = 0;
  std::string out = "lengths " + std::to_string(api.param_length(type, &param_length));
  out += ":" + std::to_string(param_length) + " ";
  out += std::to_string(api.code_length(type, &code_length)) + ":" + std::to_string(code_length);
  std::vector<char> param(param_length + 1, '\0');
  out += "; default " + std::to_string(api.set_default(type, param.data()));
  out += " " + std::string(param.data());
  std::vector<uint8_t> record(std::max<uint32_t>(code_length, 1));
  api.code_start(0);
  out += "; record " + std::to_string(api.code(type, text.c_str(), record.data(), &length));
  for (uint32_t i = 0; i < std::min<size_t>(length, record.size()); ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02X", record[i]);
    out += hex;
  }
  std::fill(param.begin(), param.end(), '\0');
  out += "; decoded " + std::to_string(api.decode(type, param.data(), record.data(), length));
  return out + " " + param.data();
}

TEST(PluginDll, AnswersAsTheLibraryForEveryBlockType) {
  const host::PluginApi library{
      &::Variable_Init,       &::Function_ParamLength, &::Function_Default, &::Function_Edit,
      &::Function_CodeLength, &::Function_CodeStart,   &::Function_Code,    &::Function_Decode,
      &::Function_Config};
  // The limits file by its absolute path with a drive letter, as a Windows host passes it.
  ostrevan::testing::TempDir folder;
  const std::string limits = folder.Write("limits.ini", ostrevan::testing::LimitsIni(12, {}));
  PluginDll dll;
  ASSERT_EQ(dll.config(limits.c_str()), 1);
  ASSERT_EQ(library.config(limits.c_str()), 1);
  for (const auto& sample : ostrevan::testing::kTypicalTexts) {
    const std::string text(sample.text);
    std::string answers = Answers(dll, sample.type, text);
    EXPECT_EQ(answers, Answers(library, sample.type, text)) << "type " << sample.type;
    EXPECT_NE(answers.find("; record 1 "), std::string::npos) << answers;
    EXPECT_NE(answers.find("; decoded 1 "), std::string::npos) << answers;
  }
  EXPECT_EQ(Answers(dll, 13, "A:1"), "lengths 0:0 0:0; default 0 ; record 0; decoded 0 ");
  EXPECT_EQ(dll.config(nullptr), -1);
}

}  // namespace
}  // namespace ostrevan::windows_testing
