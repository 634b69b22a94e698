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
#include "core/param_text.h"
#include "tools/ostrevan-host/build_limits.h"
#include "tools/ostrevan-host/explain.h"
#include "tools/ostrevan-host/hex.h"
#include "tools/ostrevan-host/project.h"
#include "tools/ostrevan-host/session.h"

namespace ostrevan::host {

namespace {

// Every record head carries the block's opcode here, behind the instance index.
constexpr size_t kOpcodeOffset = 2;

// A mistake in the command's arguments: exit status 2, with the usage.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The plug-in refused a block: exit status 1. Every other error is a
// mistake in what the user gave (a file, the plug-in): exit status 2.
struct BlockFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Positional arguments and "--name VALUE" options.
struct Parsed {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
};

// Every command also takes --plugin PATH, before or after its name.
Parsed ParseArguments(const Arguments& args, std::vector<std::string> option_names,
                      size_t positional_count) {
  option_names.push_back("--plugin");
  Parsed parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    if (std::find(option_names.begin(), option_names.end(), args[i]) != option_names.end()) {
      if (parsed.options.count(args[i])) throw UsageError(args[i] + " is given twice");
      if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
      parsed.options[args[i]] = args[i + 1];
      ++i;
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      throw UsageError("unknown option " + Quoted(args[i]));
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
  if (type == 0) throw UsageError(Quoted(text) + " is not a block type (see: ostrevan-host types)");
  return type;
}

// The plug-in named before the command or after it. A relative path, a bare
// file name too, is taken from the current directory, never searched for
// along the system's library path.
std::string PluginPath(const std::string& before_command, const Parsed& parsed) {
  std::string path = before_command;
  auto after = parsed.options.find("--plugin");
  if (after != parsed.options.end()) {
    if (!before_command.empty()) throw UsageError("--plugin is given twice");
    path = after->second;
    if (path.empty()) throw UsageError("--plugin needs the path of the plug-in");
  }
  if (path.empty()) return DefaultPluginPath();
  std::error_code error;
  std::filesystem::path file = std::filesystem::absolute(path, error);
  if (error) file = path;
  if (!std::filesystem::exists(file, error))
    throw std::runtime_error("no plug-in at " + Printable(file.string()));
  if (std::filesystem::is_directory(file, error))
    throw std::runtime_error(Printable(file.string()) + " is a directory, not a plug-in");
  return file.string();
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
    if (!bytes) throw std::runtime_error("cannot read the record file " + Printable(text));
    return std::vector<uint8_t>(bytes->begin(), bytes->end());
  }
  std::optional<std::vector<uint8_t>> bytes = ParseHex(text);
  if (!bytes) {
    throw UsageError(Quoted(text) + " is neither a file nor hex text (pairs of 0-9 A-F)");
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

Project ReadProject(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    throw std::runtime_error(Printable(path) + " is a directory, not a project file");
  std::optional<std::string> source = ReadWholeFile(path);
  if (!source) throw std::runtime_error("cannot read the project file " + Printable(path));
  return ParseProject(*source, path);
}

std::string OutputPrefix(const Parsed& parsed, const std::string& project_path) {
  auto option = parsed.options.find("-o");
  if (option == parsed.options.end()) return std::filesystem::path(project_path).stem().string();
  const std::string& prefix = option->second;
  if (prefix.empty() || prefix.back() == '/' || prefix.back() == '\\')
    throw UsageError("-o needs a file name prefix such as out/demo (for out/demo.hex and .bin)");
  return prefix;
}

// The limits file that the project names, relative to the project's folder.
std::string LimitsFilePath(const Project& project, const std::string& project_path) {
  std::filesystem::path limits(project.limits_file);
  if (limits.is_relative()) limits = std::filesystem::path(project_path).parent_path() / limits;
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(limits, error);
  if (error) absolute = limits;
  const std::string shown = Printable(absolute.string());
  if (!std::filesystem::exists(absolute, error))
    throw std::runtime_error("the limits file " + shown +
                             " does not exist (file = in [limits] is relative to the project file)");
  if (!std::filesystem::is_regular_file(absolute, error))
    throw std::runtime_error("the limits file " + shown + " is not a file");
  return absolute.string();
}

// PREFIX.hex and PREFIX.bin, opened before the build starts.
struct OutputFiles {
  explicit OutputFiles(const std::string& prefix)
      : prefix(prefix), hex(prefix + ".hex", std::ios::binary), bin(prefix + ".bin", std::ios::binary) {
    if (!hex || !bin) throw std::runtime_error(Problem());
  }
  void Close() {
    hex.close();
    bin.close();
    if (hex.fail() || bin.fail()) throw std::runtime_error(Problem());
  }
  std::string Problem() const {
    return "cannot write " + Printable(prefix) + ".hex and " + Printable(prefix) +
           ".bin (is the folder there, and writable?)";
  }
  std::string prefix;
  std::ofstream hex;
  std::ofstream bin;
};

int RunBuild(const std::string& plugin_before, const Arguments& args) {
  Parsed parsed = ParseArguments(args, {"-o"}, 1);
  const std::string& project_path = parsed.positional[0];
  Project project = ReadProject(project_path);
  std::string prefix = OutputPrefix(parsed, project_path);

  LimitsOrigin origin{project.limits_file.empty(), project.limits_file};
  std::unique_ptr<TempFile> inline_limits;
  std::string limits_path;
  if (origin.in_project) {
    inline_limits = std::make_unique<TempFile>("limits", LimitsIni(project));
    limits_path = inline_limits->path();
  } else {
    limits_path = LimitsFilePath(project, project_path);
  }

  Session session(PluginPath(plugin_before, parsed));
  OutputFiles out(prefix);
  if (session.api().config(limits_path.c_str()) != 1)
    throw std::runtime_error("the plug-in found no limits file at " + Printable(limits_path));
  BuildLimits limits = BuildLimits::Read(limits_path, origin);

  std::vector<AreaSize> areas(OSTREVAN_AREA_COUNT, AreaSize{});
  std::copy(project.areas.begin(), project.areas.end(), areas.begin());
  session.api().variable_init(project.cpu_model.c_str(), areas.data());
  session.api().code_start(0);

  std::printf("cpu: %s; limits: %s\n\n", Printable(project.cpu_model).c_str(),
              limits.Summary().c_str());
  std::printf("%-5s  %-22s  %-6s  %-6s  %s\n", "index", "block", "result", "length", "record");
  int failed = 0;
  for (size_t index = 0; index < project.blocks.size(); ++index) {
    const ProjectBlock& block = project.blocks[index];
    std::optional<Refusal> refusal = limits.WhyRefused(block.type);
    limits.Count(block.type);
    std::vector<char> param = session.TextBuffer(block.type, block.text);
    std::vector<uint8_t> record(std::max<uint32_t>(session.CodeLength(block.type), 1), 0);
    uint32_t length = 0;
    int result = session.api().code(block.type, param.data(), record.data(), &length);
    std::string shown;
    if (result == 1) {
      length = std::min<uint32_t>(length, static_cast<uint32_t>(record.size()));
      shown = ToHex(record.data(), length);
    } else {
      ++failed;
      length = 0;
      Refusal why = refusal.value_or(
          Refusal{"refused by the plug-in",
                  "not for its limits as this tool reads them: is --plugin the plug-in built "
                  "with this tool?"});
      shown = "refused: " + why.reason;
      std::fflush(stdout);
      std::fprintf(stderr, "ostrevan-host: block %zu (%s, %s:%d): %s; %s\n", index,
                   block.type_name.c_str(), Printable(project_path).c_str(), block.line,
                   why.reason.c_str(), why.advice.c_str());
    }
    std::printf("%-5zu  %-22s  %-6d  %-6u  %s\n", index, block.type_name.c_str(), result, length,
                shown.c_str());
    out.hex << index << ' ' << block.type << ' ' << ToHex(record.data(), length) << '\n';
    const uint8_t size[4] = {static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
                             static_cast<uint8_t>(length >> 16), static_cast<uint8_t>(length >> 24)};
    out.bin.write(reinterpret_cast<const char*>(size), 4);
    out.bin.write(reinterpret_cast<const char*>(record.data()), length);
  }
  out.Close();
  std::printf("%zu block(s), %d failed; records in %s.hex and %s.bin\n", project.blocks.size(),
              failed, Printable(prefix).c_str(), Printable(prefix).c_str());
  return failed ? 1 : 0;
}

// The name of the block type whose records carry `opcode`, or nothing.
std::optional<std::string> OpcodeOwner(const Session& session, uint8_t opcode) {
  for (int type = 1; type <= BuildLimits::kTypes; ++type) {
    std::vector<uint8_t> record = session.CodeOne(type, session.DefaultText(type));
    if (record.size() > kOpcodeOffset && record[kOpcodeOffset] == opcode)
      return BlockTypeDisplayName(type);
  }
  return std::nullopt;
}

// Warns on stderr where `given` does not fit a record of `type`: longer than
// its buffer, too short for a record head, another block's opcode, or (when
// `coded` was coded from the text decoded out of `given`) another length.
void WarnWhereRecordDoesNotFit(const Session& session, int type, const std::vector<uint8_t>& given,
                               const std::vector<uint8_t>& coded, bool coded_from_given) {
  const std::string name = BlockTypeDisplayName(type);
  const uint32_t announced = session.CodeLength(type);
  auto warn = [](const std::string& text) {
    std::fprintf(stderr, "ostrevan-host: warning: %s\n", text.c_str());
  };
  if (given.size() > announced) {
    warn(Format("the record has %zu bytes, more than a %s record can have (%u); the plug-in "
                "reads the first %u",
                given.size(), name.c_str(), announced, announced));
  }
  if (given.size() <= kOpcodeOffset) {
    warn(Format("the record has %zu bytes, too few for the head of a %s record", given.size(),
                name.c_str()));
    return;
  }
  if (coded.size() > kOpcodeOffset && given[kOpcodeOffset] != coded[kOpcodeOffset]) {
    std::optional<std::string> owner = OpcodeOwner(session, given[kOpcodeOffset]);
    warn(Format("byte %zu, the block opcode, is %02X; a %s record has %02X", kOpcodeOffset,
                given[kOpcodeOffset], name.c_str(), coded[kOpcodeOffset]) +
         (owner ? " (" + *owner + " records have " + Format("%02X)", given[kOpcodeOffset])
                : std::string(" (no block type has it)")));
  }
  if (coded_from_given && !coded.empty() && given.size() <= announced &&
      given.size() != coded.size()) {
    warn(Format("the record has %zu bytes; the %s record of its decoded text has %zu",
                given.size(), name.c_str(), coded.size()));
  }
}

struct DecodedRecord {
  int type = 0;
  std::vector<uint8_t> given;
  std::string text;
  std::vector<uint8_t> coded;  // the text coded again
};

// "TYPE RECORD [--text TEXT]": decodes the record through the plug-in and
// codes the text again; warns where the record does not fit the type.
DecodedRecord DecodeAndCodeAgain(const std::string& plugin_before, const Parsed& parsed) {
  DecodedRecord out;
  out.type = TypeArgument(parsed.positional[0]);
  out.given = RecordArgument(parsed.positional[1]);
  Session session(PluginPath(plugin_before, parsed));
  std::optional<std::string> text =
      DecodeThroughPlugin(session, out.type, StartText(session, out.type, parsed), out.given);
  out.coded = session.CodeOne(out.type, text ? *text : session.DefaultText(out.type));
  WarnWhereRecordDoesNotFit(session, out.type, out.given, out.coded, text.has_value());
  if (!text) throw BlockFailure("the plug-in could not decode the record");
  out.text = *text;
  return out;
}

int RunDecode(const std::string& plugin_before, const Arguments& args) {
  Parsed parsed = ParseArguments(args, {"--text"}, 2);
  std::printf("%s\n", DecodeAndCodeAgain(plugin_before, parsed).text.c_str());
  return 0;
}

int RunExplain(const std::string& plugin_before, const Arguments& args) {
  Parsed parsed = ParseArguments(args, {"--text"}, 2);
  DecodedRecord decoded = DecodeAndCodeAgain(plugin_before, parsed);
  if (decoded.coded.empty()) throw BlockFailure("the plug-in could not code the decoded text");
  std::printf("text: %s\n\n", Printable(decoded.text).c_str());
  std::fputs(ExplainRecord(decoded.type, decoded.text, decoded.given, decoded.coded).c_str(),
             stdout);
  return 0;
}

int RunDefault(const std::string& plugin_before, const Arguments& args) {
  Parsed parsed = ParseArguments(args, {}, 1);
  int type = TypeArgument(parsed.positional[0]);
  Session session(PluginPath(plugin_before, parsed));
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

int RunEdit(const std::string& plugin_before, const Arguments& args) {
  Parsed parsed = ParseArguments(args, {"--text", "--tab", "--cpu"}, 1);
  int type = TypeArgument(parsed.positional[0]);
  Session session(PluginPath(plugin_before, parsed));
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

int RunTypes(const std::string& plugin_before, const Arguments& args) {
  Parsed parsed = ParseArguments(args, {}, 0);
  Session session(PluginPath(plugin_before, parsed));
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

constexpr const char kCertificateNote[] =
    "  A Connect to MQTT Server record with TLS carries its certificate files;\n"
    "  decoding it writes them, as the plug-in does for the host, as 1.pem, 2.crt\n"
    "  and 3.key into a new folder beside the plug-in named after the local time,\n"
    "  YYYY_MM_DD_HH_MM_SS (the plug-in's folder: see --plugin). The decoded text\n"
    "  names the files.\n";

constexpr const char kFitNote[] =
    "  It warns on stderr (and still exits 0) when the record does not fit TYPE:\n"
    "  another block's opcode at byte 2, too long for TYPE's buffer, or another\n"
    "  length than the record that its decoded text codes to.\n";

const std::string kDecodeUsage = std::string(
    "ostrevan-host decode TYPE RECORD [--text TEXT]\n"
    "  Decodes RECORD over TEXT (default: the block's default text) and prints\n"
    "  the resulting parameter text.\n") + kFitNote + kCertificateNote;

const std::string kExplainUsage = std::string(
    "ostrevan-host explain TYPE RECORD [--text TEXT]\n"
    "  Decodes RECORD, codes the text again and prints the record field by field:\n"
    "  offset, the bytes given, the bytes coded again (marked * where they differ),\n"
    "  name and value. The head (instance index, status references) is coded again\n"
    "  as instance 0, so a record from a build differs there.\n") + kFitNote +
    kCertificateNote;

const Command kCommands[] = {
    {"build", "ostrevan-host build PROJECT [-o PREFIX]\n"
              "  Runs a code generation as the host does (Function_Config, Variable_Init,\n"
              "  Function_CodeStart, one Function_Code per block), prints a table and writes\n"
              "  PREFIX.hex (index, type, record per line) and PREFIX.bin (each record after\n"
              "  its length as 4 bytes little-endian). PREFIX defaults to the project's name.\n"
              "  A block the plug-in refuses says why on its row and on stderr: the program\n"
              "  total is reached, the limits allow no block of its type, or its type's\n"
              "  limit is reached. Exit status 1 when a block was refused.\n",
     RunBuild},
    {"decode", kDecodeUsage.c_str(), RunDecode},
    {"explain", kExplainUsage.c_str(), RunExplain},
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
    return command.run(plugin_path, args);
  } catch (const UsageError& error) {
    std::fprintf(stderr, "ostrevan-host %s: %s\n\n%s", command.name, error.what(), command.usage);
    return 2;
  } catch (const BlockFailure& error) {
    std::fprintf(stderr, "ostrevan-host %s: %s\n", command.name, error.what());
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "ostrevan-host %s: %s\n", command.name, error.what());
    return 2;
  }
}

}  // namespace ostrevan::host
