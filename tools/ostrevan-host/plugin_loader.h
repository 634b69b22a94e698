// Loads the plug-in library by path and finds its nine exports: the only
// way the host tool talks to the plug-in.
#pragma once

#include <string>

#include "ostrevan/plugin.h"

namespace ostrevan::host {

struct PluginApi {
  decltype(&::Variable_Init) variable_init = nullptr;
  decltype(&::Function_ParamLength) param_length = nullptr;
  decltype(&::Function_Default) set_default = nullptr;
  decltype(&::Function_Edit) edit = nullptr;
  decltype(&::Function_CodeLength) code_length = nullptr;
  decltype(&::Function_CodeStart) code_start = nullptr;
  decltype(&::Function_Code) code = nullptr;
  decltype(&::Function_Decode) decode = nullptr;
  decltype(&::Function_Config) config = nullptr;
};

class Plugin {
 public:
  // Throws std::runtime_error naming the path or the missing export.
  explicit Plugin(const std::string& path);
  ~Plugin();
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  const PluginApi& api() const { return api_; }
  // Any other name the library exports, or null.
  void* Find(const char* name) const;

 private:
  void* handle_ = nullptr;
  PluginApi api_;
};

// The plug-in built beside this executable.
std::string DefaultPluginPath();

}  // namespace ostrevan::host
