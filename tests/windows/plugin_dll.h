// The built ostrevan.dll, loaded the way the host loads it: LoadLibrary on
// the file beside the test program, the nine functions by name.
#pragma once

#include <windows.h>

#include <string>

#include "ostrevan/plugin.h"

namespace ostrevan::windows_testing {

class PluginDll {
 public:
  PluginDll();
  ~PluginDll();
  PluginDll(const PluginDll&) = delete;
  PluginDll& operator=(const PluginDll&) = delete;

  HMODULE module() const { return module_; }
  const std::string& path() const { return path_; }

  // Null when the DLL does not export `name`.
  FARPROC Find(const char* name) const { return GetProcAddress(module_, name); }

  decltype(&::Variable_Init) variable_init = nullptr;
  decltype(&::Function_ParamLength) param_length = nullptr;
  decltype(&::Function_Default) set_default = nullptr;
  decltype(&::Function_Edit) edit = nullptr;
  decltype(&::Function_CodeLength) code_length = nullptr;
  decltype(&::Function_CodeStart) code_start = nullptr;
  decltype(&::Function_Code) code = nullptr;
  decltype(&::Function_Decode) decode = nullptr;
  decltype(&::Function_Config) config = nullptr;

 private:
  std::string path_;
  HMODULE module_ = nullptr;
};

// The directory of the running test program, with a trailing backslash.
std::string ProgramDirectory();

}  // namespace ostrevan::windows_testing
