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
std::string LastError() {
  DWORD error = GetLastError();
  switch (error) {
    case ERROR_BAD_EXE_FORMAT:
      return "it is no DLL, or one for another processor (this tool is " +
             std::to_string(sizeof(void*) * 8) + "-bit)";
    case ERROR_MOD_NOT_FOUND: return "a DLL it needs is missing";
    default: return "error " + std::to_string(error);
  }
}
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
void Resolve(void* handle, const std::string& path, const char* name, Fn& slot) {
  void* address = Symbol(handle, name);
  if (!address) throw std::runtime_error(path + " is not an Ostrevan plug-in: it does not export " + name);
  slot = reinterpret_cast<Fn>(address);
}

}  // namespace

Plugin::Plugin(const std::string& path) {
  handle_ = Open(path);
  if (!handle_) throw std::runtime_error("cannot load " + path + " as a plug-in: " + LastError());
  try {
    Resolve(handle_, path, "Variable_Init", api_.variable_init);
    Resolve(handle_, path, "Function_ParamLength", api_.param_length);
    Resolve(handle_, path, "Function_Default", api_.set_default);
    Resolve(handle_, path, "Function_Edit", api_.edit);
    Resolve(handle_, path, "Function_CodeLength", api_.code_length);
    Resolve(handle_, path, "Function_CodeStart", api_.code_start);
    Resolve(handle_, path, "Function_Code", api_.code);
    Resolve(handle_, path, "Function_Decode", api_.decode);
    Resolve(handle_, path, "Function_Config", api_.config);
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
