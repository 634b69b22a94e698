// The host tool's project-file parser: any text either parses into a project
// within the plug-in's limits or is refused with a ProjectError.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/platform/ini_reader.h"
#include "core/catalogue.h"
#include "fuzz/fuzz_support.h"
#include "tools/ostrevan-host/project.h"

using namespace ostrevan::fuzz;
using ostrevan::host::ParseProject;
using ostrevan::host::Project;
using ostrevan::host::ProjectError;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  Project project;
  try {
    project = ParseProject(text, "fuzz.project");
  } catch (const ProjectError&) {
    return 0;
  }
  Check(project.cpu_model.size() <= 99, "a CPU model over 99 characters");
  Check(project.areas.size() <= 32, "more than 32 areas");
  for (const auto& block : project.blocks) {
    Check(ostrevan::FindBlock(block.type) != nullptr, "a block of a type outside the catalogue");
    Check(block.text.size() <= 1023, "a block text over 1023 characters");
  }
  // The limits the tool hands the plug-in say what the project said.
  std::string ini = ostrevan::host::LimitsIni(project);
  auto total = ostrevan::platform::FindIniValue(ini, "DEFAULT", "Total");
  Check(total && *total == std::to_string(project.total.value_or(0)),
        "the limits file does not carry the project's total");
  return 0;
}
