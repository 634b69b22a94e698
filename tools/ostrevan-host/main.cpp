// ostrevan-host: plays the PLC programming tool. It loads the plug-in and
// drives it through its nine exports, as the real host does.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "tools/ostrevan-host/commands.h"
#include "tools/ostrevan-host/project.h"

namespace {

using ostrevan::host::Arguments;
using ostrevan::host::Command;

constexpr const char* kUsage =
    "usage: ostrevan-host [--plugin PATH] COMMAND [ARGS] [--plugin PATH]\n"
    "\n"
    "commands:\n"
    "  build PROJECT [-o PREFIX]          code every block of a project file\n"
    "  decode TYPE RECORD [--text TEXT]   turn a record back into a parameter text\n"
    "  explain TYPE RECORD [--text TEXT]  show a record field by field\n"
    "  default TYPE                       print the default parameter text\n"
    "  edit TYPE [--text TEXT] [--tab N] [--cpu MODEL]\n"
    "                                     open the block's editor (on tab N)\n"
    "  types                              list the block types\n"
    "\n"
    "TYPE is a block name such as WIFI or \"GPRS Data Send\", or its id 1 to 12.\n"
    "RECORD is hex text (\"76 00 ...\") or the path of a binary file.\n"
    "--plugin PATH, before or after the command, names the plug-in file (a bare\n"
    "name is a file in the current folder); it defaults to the plug-in beside\n"
    "this program. Decoding an MQTT Connect record writes its certificate files\n"
    "into a new folder named after the time, beside the plug-in (see decode --help).\n"
    "Each command takes --help. Exit status: 0 success, 1 the plug-in refused a\n"
    "block, 2 a mistake in the arguments or in a file given (project, limits,\n"
    "output, plug-in).\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string plugin;
  if (!args.empty() && args[0] == "--plugin") {
    if (args.size() < 2 || args[1].empty()) {
      std::fprintf(stderr, "ostrevan-host: --plugin needs the path of the plug-in\n\n%s", kUsage);
      return 2;
    }
    plugin = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  const Command* command = ostrevan::host::FindCommand(args[0]);
  if (!command) {
    std::fprintf(stderr, "ostrevan-host: unknown command %s\n\n%s",
                 ostrevan::host::Quoted(args[0]).c_str(), kUsage);
    return 2;
  }
  args.erase(args.begin());
  try {
    return ostrevan::host::RunCommand(*command, plugin, args);
  } catch (const std::exception& error) {  // RunCommand reports the expected ones
    std::fprintf(stderr, "ostrevan-host: %s\n", error.what());
    return 2;
  }
}
