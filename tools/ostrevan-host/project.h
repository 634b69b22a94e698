// The project file: a PLC program's CPU, its limits and its blocks, in an
// INI-style text a PLC programmer can write by hand.
//
//   [cpu]     model = NAME; area = LETTERS SIZE (one line per memory area)
//   [limits]  file = PATH (an INI file for the plug-in), or inline:
//             total = N and one line per block type: NAME = MAX
//   [block]   type = NAME or id; text = PARAMETER TEXT (one section a block)
//
// Comments: a ';' or '#' that starts a line or follows a blank (space or
// tab) starts a comment running to the end of the line, on every kind of
// line; a ';' or '#' inside a word ("A:1;2") is text. Values are trimmed; a
// value in double quotes is taken verbatim, with \" and \\ as escapes, and
// only a comment may follow it (quote a value that holds " ;" or " #").
// The file is ASCII or UTF-8 text (a byte-order mark is skipped); lines end
// with LF, CR LF or CR. UTF-16 and NUL bytes are refused with a message.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ostrevan/plugin.h"

namespace ostrevan::host {

struct ProjectBlock {
  int type = 0;
  std::string type_name;
  std::string text;
  int line = 0;
};

struct Project {
  std::string cpu_model;
  std::vector<AreaSize> areas;  // at most 32
  std::string limits_file;      // resolved against the project's directory
  std::optional<int> total;
  std::vector<std::pair<std::string, int>> limits;  // block name, max
  std::vector<ProjectBlock> blocks;
};

// The text with every byte outside printable ASCII written as \xNN, for
// messages that show what a user gave.
std::string Printable(std::string_view text);
// The same in double quotes.
std::string Quoted(std::string_view text);

class ProjectError : public std::runtime_error {
 public:
  ProjectError(const std::string& file, int line, const std::string& what)
      : std::runtime_error(Printable(file) + ":" + std::to_string(line) + ": " + what) {}
};

// Throws ProjectError with the file and line of the first problem.
Project ParseProject(const std::string& text, const std::string& file_name);

// The block type id of a name (as the plug-in's block table spells it,
// compared case-insensitively) or of a decimal id 1..12; 0 when neither.
int BlockTypeFromName(const std::string& name);
const char* BlockTypeDisplayName(int type);

// The INI text the plug-in's Function_Config reads for inline limits.
std::string LimitsIni(const Project& project);

}  // namespace ostrevan::host
