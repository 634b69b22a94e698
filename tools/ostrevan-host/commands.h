// The commands of ostrevan-host.
#pragma once

#include <string>
#include <vector>

namespace ostrevan::host {

using Arguments = std::vector<std::string>;

struct Command {
  const char* name;
  const char* usage;  // the text --help prints
  int (*run)(const std::string& plugin_path, const Arguments& args);
};

const Command* FindCommand(const std::string& name);

// Prints the command's usage for --help; else runs it with the plug-in at
// `plugin_path` (the default one when empty). Returns the exit status.
int RunCommand(const Command& command, const std::string& plugin_path, const Arguments& args);

}  // namespace ostrevan::host
