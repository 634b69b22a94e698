#include "tools/ostrevan-host/plugin_loader.h"

#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#endif

namespace ostrevan::host {

namespace {

#if defined(_WIN32)
void* Open(const std::string& path) { return LoadLibraryA(path.c_str()); }
void* Symbol(void* handle, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}
void Close(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }
std::string LastError() { return "error " + std::to_string(GetLastError()); }
#else
void* Open(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }
void* Symbol(void* handle, const char* name) { return dlsym(handle, name); }
void Close(void* handle) { dlclose(handle); }
std::string LastError() {
  const char* error = dlerror();
  return error ? error : "unknown error";
}
#endif

template <class Fn>
void Resolve(void* handle, const char* name, Fn& slot) {
  void* address = Symbol(handle, name);
  if (!address) throw std::runtime_error(std::string("the plug-in does not export ") + name);
  slot = reinterpret_cast<Fn>(address);
}

}  // namespace

Plugin::Plugin(const std::string& path) {
  handle_ = Open(path);
  if (!handle_) throw std::runtime_error("cannot load the plug-in " + path + ": " + LastError());
  try {
    Resolve(handle_, "Variable_Init", api_.variable_init);
    Resolve(handle_, "Function_ParamLength", api_.param_length);
    Resolve(handle_, "Function_Default", api_.set_default);
    Resolve(handle_, "Function_Edit", api_.edit);
    Resolve(handle_, "Function_CodeLength", api_.code_length);
    Resolve(handle_, "Function_CodeStart", api_.code_start);
    Resolve(handle_, "Function_Code", api_.code);
    Resolve(handle_, "Function_Decode", api_.decode);
    Resolve(handle_, "Function_Config", api_.config);
  } catch (...) {
    Close(handle_);
    throw;
  }
}

void* Plugin::Find(const char* name) const { return Symbol(handle_, name); }

Plugin::~Plugin() {
  if (handle_) Close(handle_);
}

std::string DefaultPluginPath() {
#if defined(_WIN32)
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string self(path, length);
  return self.substr(0, self.find_last_of("\\/") + 1) + "ostrevan.dll";
#else
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  std::string self = length > 0 ? std::string(path, static_cast<size_t>(length)) : "./x";
  return self.substr(0, self.rfind('/') + 1) + "libostrevan.so";
#endif
}

}  // namespace ostrevan::host
