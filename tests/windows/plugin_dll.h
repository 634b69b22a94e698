// The built ostrevan.dll, loaded the way the host loads it, by the host
// tool's own loader: LoadLibrary on the file beside the test program, the
// nine functions by name, called as dll.edit(...) and so on.
#pragma once

#include <windows.h>

#include "tools/ostrevan-host/plugin_loader.h"

namespace ostrevan::windows_testing {

class PluginDll : public host::Plugin, public host::PluginApi {
 public:
  PluginDll() : host::Plugin(host::DefaultPluginPath()), host::PluginApi(api()) {}
};

}  // namespace ostrevan::windows_testing
