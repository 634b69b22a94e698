#include "windows/plugin_dll.h"

#include <stdexcept>

namespace ostrevan::windows_testing {

namespace {

template <class Fn>
void Resolve(HMODULE module, const char* name, Fn& slot) {
  slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (!slot) throw std::runtime_error(std::string("ostrevan.dll does not export ") + name);
}

}  // namespace

std::string ProgramDirectory() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string self(path, length);
  return self.substr(0, self.find_last_of("\\/") + 1);
}

PluginDll::PluginDll() : path_(ProgramDirectory() + "ostrevan.dll") {
  module_ = LoadLibraryA(path_.c_str());
  if (!module_)
    throw std::runtime_error("LoadLibrary(" + path_ + ") failed: " + std::to_string(GetLastError()));
  try {
    Resolve(module_, "Variable_Init", variable_init);
    Resolve(module_, "Function_ParamLength", param_length);
    Resolve(module_, "Function_Default", set_default);
    Resolve(module_, "Function_Edit", edit);
    Resolve(module_, "Function_CodeLength", code_length);
    Resolve(module_, "Function_CodeStart", code_start);
    Resolve(module_, "Function_Code", code);
    Resolve(module_, "Function_Decode", decode);
    Resolve(module_, "Function_Config", config);
  } catch (...) {
    FreeLibrary(module_);
    throw;
  }
}

PluginDll::~PluginDll() { FreeLibrary(module_); }

}  // namespace ostrevan::windows_testing
