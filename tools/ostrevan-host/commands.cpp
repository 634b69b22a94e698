#include "tools/ostrevan-host/commands.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>

#include <commctrl.h>
#endif

#include "core/catalogue.h"
#include "tools/ostrevan-host/explain.h"
#include "tools/ostrevan-host/hex.h"
#include "tools/ostrevan-host/project.h"
#include "tools/ostrevan-host/session.h"

namespace ostrevan::host {

namespace {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Positional arguments and "--name VALUE" options.
struct Parsed {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
};

Parsed ParseArguments(const Arguments& args, const std::vector<std::string>& option_names,
                      size_t positional_count) {
  Parsed parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    if (std::find(option_names.begin(), option_names.end(), args[i]) != option_names.end()) {
      if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
      parsed.options[args[i]] = args[i + 1];
      ++i;
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      throw UsageError("unknown option " + args[i]);
    } else {
      parsed.positional.push_back(args[i]);
    }
  }
  if (parsed.positional.size() != positional_count)
    throw UsageError("expected " + std::to_string(positional_count) + " argument(s)");
  return parsed;
}

int TypeArgument(const std::string& text) {
  int type = BlockTypeFromName(text);
  if (type == 0) throw UsageError("\"" + text + "\" is not a block type (see: ostrevan-host types)");
  return type;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<uint8_t> RecordArgument(const std::string& text) {
  std::error_code error;
  if (std::filesystem::is_regular_file(text, error)) {
    std::optional<std::string> bytes = ReadWholeFile(text);
    if (!bytes) throw std::runtime_error("cannot read the record file " + text);
    return std::vector<uint8_t>(bytes->begin(), bytes->end());
  }
  std::optional<std::vector<uint8_t>> bytes = ParseHex(text);
  if (!bytes) {
    throw UsageError("\"" + text + "\" is neither a file nor hex text (pairs of 0-9 A-F)");
  }
  return *bytes;
}

std::string StartText(const Session& session, int type, const Parsed& parsed) {
  auto text = parsed.options.find("--text");
  return text != parsed.options.end() ? text->second : session.DefaultText(type);
}

// Decodes `record` over `text` through the export; nothing when it fails.
std::optional<std::string> DecodeThroughPlugin(const Session& session, int type,
                                               const std::string& text,
                                               std::vector<uint8_t> record) {
  std::vector<char> param = session.TextBuffer(type, text);
  uint32_t announced = session.CodeLength(type);
  uint32_t length = static_cast<uint32_t>(std::min<size_t>(record.size(), announced));
  record.resize(std::max<size_t>(record.size(), 1));
  if (session.api().decode(type, param.data(), record.data(), length) <= 0) return std::nullopt;
  return std::string(param.data());
}

int RunBuild(const std::string& plugin_path, const Arguments& args) {
  Parsed parsed = ParseArguments(args, {"-o"}, 1);
  const std::string& project_path = parsed.positional[0];
  std::optional<std::string> source = ReadWholeFile(project_path);
  if (!source) throw UsageError("cannot read the project file " + project_path);
  Project project;
  try {
    project = ParseProject(*source, project_path);
  } catch (const ProjectError& error) {
    throw UsageError(error.what());
  }

  std::filesystem::path stem = std::filesystem::path(project_path).stem();
  std::string prefix = parsed.options.count("-o") ? parsed.options["-o"] : stem.string();

  Session session(plugin_path);
  std::unique_ptr<TempFile> inline_limits;
  std::string limits_path;
  if (!project.limits_file.empty()) {
    std::filesystem::path limits(project.limits_file);
    if (limits.is_relative()) limits = std::filesystem::path(project_path).parent_path() / limits;
    limits_path = std::filesystem::absolute(limits).string();
  } else {
    inline_limits = std::make_unique<TempFile>("limits", LimitsIni(project));
    limits_path = inline_limits->path();
  }
  if (session.api().config(limits_path.c_str()) != 1)
    throw std::runtime_error("the plug-in found no limits file at " + limits_path);

  std::vector<AreaSize> areas(OSTREVAN_AREA_COUNT, AreaSize{});
  std::copy(project.areas.begin(), project.areas.end(), areas.begin());
  session.api().variable_init(project.cpu_model.c_str(), areas.data());
  session.api().code_start(0);

  std::ofstream hex(prefix + ".hex", std::ios::binary);
  std::ofstream bin(prefix + ".bin", std::ios::binary);
  if (!hex || !bin) throw std::runtime_error("cannot write " + prefix + ".hex / .bin");

  std::printf("%-5s  %-22s  %-6s  %-6s  %s\n", "index", "block", "result", "length", "record");
  int failed = 0;
  for (size_t index = 0; index < project.blocks.size(); ++index) {
    const ProjectBlock& block = project.blocks[index];
    std::vector<char> param = session.TextBuffer(block.type, block.text);
    std::vector<uint8_t> record(std::max<uint32_t>(session.CodeLength(block.type), 1), 0);
    uint32_t length = 0;
    int result = session.api().code(block.type, param.data(), record.data(), &length);
    if (result != 1) {
      ++failed;
      length = 0;
    }
    length = std::min<uint32_t>(length, static_cast<uint32_t>(record.size()));
    std::string bytes = ToHex(record.data(), length);
    std::printf("%-5zu  %-22s  %-6d  %-6u  %s\n", index, block.type_name.c_str(), result, length,
                bytes.c_str());
    hex << index << ' ' << block.type << ' ' << bytes << '\n';
    const uint8_t size[4] = {static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
                             static_cast<uint8_t>(length >> 16), static_cast<uint8_t>(length >> 24)};
    bin.write(reinterpret_cast<const char*>(size), 4);
    bin.write(reinterpret_cast<const char*>(record.data()), length);
  }
  std::printf("%zu block(s), %d failed; records in %s.hex and %s.bin\n", project.blocks.size(),
              failed, prefix.c_str(), prefix.c_str());
  return failed ? 1 : 0;
}

// "TYPE RECORD [--text TEXT]": decodes the record through the plug-in.
std::string DecodeArguments(const Session& session, const Arguments& args, int& type) {
  Parsed parsed = ParseArguments(args, {"--text"}, 2);
  type = TypeArgument(parsed.positional[0]);
  std::vector<uint8_t> record = RecordArgument(parsed.positional[1]);
  std::optional<std::string> text =
      DecodeThroughPlugin(session, type, StartText(session, type, parsed), record);
  if (!text) throw std::runtime_error("the plug-in could not decode the record");
  return *text;
}

int RunDecode(const std::string& plugin_path, const Arguments& args) {
  Session session(plugin_path);
  int type = 0;
  std::printf("%s\n", DecodeArguments(session, args, type).c_str());
  return 0;
}

int RunExplain(const std::string& plugin_path, const Arguments& args) {
  Session session(plugin_path);
  int type = 0;
  std::string text = DecodeArguments(session, args, type);
  std::vector<uint8_t> record = session.CodeOne(type, text);
  if (record.empty()) throw std::runtime_error("the plug-in could not code the decoded text");
  std::printf("text: %s\n\n", text.c_str());
  std::fputs(ExplainRecord(type, text, record).c_str(), stdout);
  return 0;
}

int RunDefault(const std::string& plugin_path, const Arguments& args) {
  Parsed parsed = ParseArguments(args, {}, 1);
  int type = TypeArgument(parsed.positional[0]);
  Session session(plugin_path);
  std::printf("%s\n", session.DefaultText(type).c_str());
  return 0;
}

#if defined(_WIN32)
// The tab that the sheet about to open is to show, for the timer below.
int g_start_tab = 0;

// Once the sheet is up, selects its tab g_start_tab as a click would.
void CALLBACK ShowStartTab(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND sheet = FindWindowA("#32770", "Property");
  if (!sheet) return;
  KillTimer(nullptr, timer);
  HWND tab = FindWindowExA(sheet, nullptr, WC_TABCONTROLA, nullptr);
  if (!tab) return;
  SendMessageA(tab, TCM_SETCURSEL, static_cast<WPARAM>(g_start_tab), 0);
  NMHDR header{tab, static_cast<UINT_PTR>(GetDlgCtrlID(tab)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(sheet, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}
#endif

int RunEdit(const std::string& plugin_path, const Arguments& args) {
  Parsed parsed = ParseArguments(args, {"--text", "--tab", "--cpu"}, 1);
  int type = TypeArgument(parsed.positional[0]);
  Session session(plugin_path);
  auto cpu = parsed.options.find("--cpu");
  if (cpu != parsed.options.end()) session.api().variable_init(cpu->second.c_str(), nullptr);
  std::vector<char> param = session.TextBuffer(type, StartText(session, type, parsed));
#if defined(_WIN32)
  auto tab = parsed.options.find("--tab");
  if (tab != parsed.options.end()) {
    g_start_tab = std::atoi(tab->second.c_str());
    SetTimer(nullptr, 0, 100, &ShowStartTab);
  }
#endif
  if (session.api().edit(type, param.data()) != 1) {
#if defined(_WIN32)
    std::fprintf(stderr, "ostrevan-host: the edit was cancelled; the text is unchanged\n");
#else
    std::fprintf(stderr, "ostrevan-host: editing needs the Windows build of the plug-in\n");
#endif
    return 1;
  }
  std::printf("%s\n", param.data());
  return 0;
}

int RunTypes(const std::string& plugin_path, const Arguments& args) {
  ParseArguments(args, {}, 0);
  Session session(plugin_path);
  std::printf("%-3s  %-22s  %-12s  %-11s\n", "id", "block", "param length", "code length");
  std::vector<int> types;
  for (const BlockEntry& block : BlockCatalogue()) types.push_back(block.type);
  std::sort(types.begin(), types.end());
  for (int type : types) {
    uint32_t param = 0, code = 0;
    bool known = session.api().param_length(type, &param) > 0;
    session.api().code_length(type, &code);
    std::printf("%-3d  %-22s  %-12s  %-11s\n", type, BlockTypeDisplayName(type),
                known ? std::to_string(param).c_str() : "-",
                known ? std::to_string(code).c_str() : "(not built)");
  }
  return 0;
}

const Command kCommands[] = {
    {"build", "ostrevan-host build PROJECT [-o PREFIX]\n"
              "  Runs a code generation as the host does (Function_Config, Variable_Init,\n"
              "  Function_CodeStart, one Function_Code per block), prints a table and writes\n"
              "  PREFIX.hex (index, type, record per line) and PREFIX.bin (each record after\n"
              "  its length as 4 bytes little-endian). PREFIX defaults to the project's name.\n",
     RunBuild},
    {"decode", "ostrevan-host decode TYPE RECORD [--text TEXT]\n"
               "  Decodes RECORD over TEXT (default: the block's default text) and prints\n"
               "  the resulting parameter text.\n",
     RunDecode},
    {"explain", "ostrevan-host explain TYPE RECORD [--text TEXT]\n"
                "  Decodes RECORD, codes the text again and prints each field of the record:\n"
                "  offset, bytes, name and value.\n",
     RunExplain},
    {"default", "ostrevan-host default TYPE\n  Prints the default parameter text of TYPE.\n",
     RunDefault},
    {"edit", "ostrevan-host edit TYPE [--text TEXT] [--tab N] [--cpu MODEL]\n"
             "  Opens the block's editor on TEXT (showing tab N, from 0, for the CPU\n"
             "  MODEL) and prints the text after OK.\n",
     RunEdit},
    {"types", "ostrevan-host types\n  Lists the block types with their buffer lengths.\n",
     RunTypes},
};

}  // namespace

const Command* FindCommand(const std::string& name) {
  for (const Command& command : kCommands) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

int RunCommand(const Command& command, const std::string& plugin_path, const Arguments& args) {
  if (std::find(args.begin(), args.end(), "--help") != args.end()) {
    std::fputs(command.usage, stdout);
    return 0;
  }
  try {
    return command.run(plugin_path.empty() ? DefaultPluginPath() : plugin_path, args);
  } catch (const UsageError& error) {
    std::fprintf(stderr, "ostrevan-host %s: %s\n\n%s", command.name, error.what(), command.usage);
    return 2;
  }
}

}  // namespace ostrevan::host
