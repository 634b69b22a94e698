// The built ostrevan.dll, loaded the way the host loads it, by the host
// tool's own loader: LoadLibrary on the file beside the test program, the
// nine functions by name, called as dll.edit(...) and so on.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/ostrevan-host/plugin_loader.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {

class PluginDll : public host::Plugin, public host::PluginApi {
 public:
  PluginDll() : host::Plugin(host::DefaultPluginPath()), host::PluginApi(api()) {}
};

struct Edited {
  int result;
  std::string text;
};

// Function_Edit on `text`, in a buffer of the type's length, while `script` plays.
inline Edited Edit(const PluginDll& dll, int type, const std::string& text, UiScript& script) {
  uint32_t length = 0;
  dll.param_length(type, &length);
  std::vector<char> buffer(length, '\0');
  text.copy(buffer.data(), length - 1);
  int result = script.Run([&] { return dll.edit(type, buffer.data()); });
  return {result, buffer.data()};
}

}  // namespace ostrevan::windows_testing
