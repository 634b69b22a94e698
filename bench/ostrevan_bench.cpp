// Function_Code and Function_Decode per block type, with the default text
// and with a full, realistic one, each next to a plain memcpy of the same
// text and record; and one code generation of 10,000 mixed blocks. The table
// at the end gives the ratios, which hold across machines better than times.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ostrevan/plugin.h"
#include "core/catalogue.h"
#include "support/host_side.h"
#include "support/sample_texts.h"

namespace {

constexpr int kGenerationBlocks = 10000;
constexpr int kManyBlocks = 1000000;

// Configures the plug-in so that no limit stops a benchmark.
void ConfigureWithoutLimits() {
  ostrevan::testing::TempDir dir;
  std::string path = dir.Write("limits.ini", ostrevan::testing::LimitsIni(kManyBlocks));
  if (Function_Config(path.c_str()) != 1) {
    std::fprintf(stderr, "cannot configure the plug-in\n");
    std::exit(1);
  }
}

// One block type with one text, coded once to learn its record.
struct Workload {
  int type = 0;
  std::string variant;
  std::vector<char> text;       // the announced size
  std::vector<uint8_t> record;  // the announced size
  uint32_t record_length = 0;
};

Workload MakeWorkload(int type, const std::string& variant, const std::string& text) {
  Workload work;
  work.type = type;
  work.variant = variant;
  uint32_t param_size = 0, code_size = 0;
  Function_ParamLength(type, &param_size);
  Function_CodeLength(type, &code_size);
  work.text.assign(param_size, '\0');
  std::memcpy(work.text.data(), text.data(), std::min<size_t>(text.size(), param_size - 1));
  work.record.assign(code_size, 0);
  Function_CodeStart(0);
  if (Function_Code(type, work.text.data(), work.record.data(), &work.record_length) != 1) {
    std::fprintf(stderr, "type %d does not code its %s text\n", type, variant.c_str());
    std::exit(1);
  }
  return work;
}

std::string DefaultText(int type, uint32_t param_size) {
  std::vector<char> text(param_size, '\0');
  Function_Default(type, text.data());
  return text.data();
}

void BenchCode(benchmark::State& state, Workload work) {
  std::vector<uint8_t> record(work.record.size());
  uint32_t length = 0;
  int coded = 0;
  Function_CodeStart(0);
  for (auto _ : state) {
    if (++coded == kManyBlocks) {
      Function_CodeStart(0);
      coded = 0;
    }
    benchmark::DoNotOptimize(Function_Code(work.type, work.text.data(), record.data(), &length));
    benchmark::ClobberMemory();
  }
}

void BenchDecode(benchmark::State& state, Workload work) {
  std::vector<char> text(work.text);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        Function_Decode(work.type, text.data(), work.record.data(), work.record_length));
    benchmark::ClobberMemory();
  }
}

// What a host does at the least with the same data: copy the text and the
// record once each.
void BenchCopy(benchmark::State& state, Workload work) {
  std::vector<char> text(work.text.size());
  std::vector<uint8_t> record(work.record.size());
  for (auto _ : state) {
    const char* source = work.text.data();
    benchmark::DoNotOptimize(source);
    std::memcpy(text.data(), source, std::strlen(source) + 1);
    std::memcpy(record.data(), work.record.data(), work.record_length);
    benchmark::ClobberMemory();
  }
}

void BenchGeneration(benchmark::State& state, std::vector<Workload> mix) {
  std::vector<uint8_t> record(10240);
  uint32_t length = 0;
  for (auto _ : state) {
    Function_CodeStart(0);
    for (int i = 0; i < kGenerationBlocks; ++i) {
      const Workload& work = mix[static_cast<size_t>(i) % mix.size()];
      benchmark::DoNotOptimize(Function_Code(work.type, work.text.data(), record.data(), &length));
    }
    benchmark::ClobberMemory();
  }
}

// Keeps every benchmark's CPU time per iteration (ns) for the ratio table (the
// machine is shared: wall time counts the others' turns too): the
// median when repetitions are asked for, else the one run.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      double ns = run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      std::string name = run.run_name.str();
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        nanoseconds[name] = ns;
        medians_.insert(name);
      } else if (run.run_type == Run::RT_Iteration && !medians_.count(name)) {
        nanoseconds[name] = ns;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> nanoseconds;

 private:
  std::set<std::string> medians_;
};

void PrintRatios(const std::vector<Workload>& works, const RecordingReporter& reporter) {
  auto time = [&](const std::string& name) {
    auto found = reporter.nanoseconds.find(name);
    return found == reporter.nanoseconds.end() ? 0.0 : found->second;
  };
  std::printf("\n%-6s %-8s %10s %10s %10s %12s\n", "type", "text", "code ns", "decode ns",
              "copy ns", "(c+d)/copy");
  for (const Workload& work : works) {
    std::string key = std::to_string(work.type) + "/" + work.variant;
    double code = time("code/" + key), decode = time("decode/" + key), copy = time("copy/" + key);
    if (copy <= 0) continue;
    std::printf("%-6d %-8s %10.1f %10.1f %10.1f %11.1fx%s\n", work.type, work.variant.c_str(),
                code, decode, copy, (code + decode) / copy,
                (code + decode) / copy > 50 ? "  over 50x" : "");
  }
  double generation = time("generation/10000");
  if (generation > 0) std::printf("10,000-block generation: %.3f ms\n", generation / 1e6);
}

// For profilers: exactly `calls` Function_Code and Function_Decode of every
// workload, without the benchmark library's own loops around them.
void RunFixedCalls(const std::vector<Workload>& works, long calls) {
  std::vector<uint8_t> record(10240);
  uint32_t length = 0;
  for (const Workload& work : works) {
    std::vector<char> text(work.text);
    Function_CodeStart(0);
    for (long i = 0; i < calls; ++i) {
      Function_Code(work.type, work.text.data(), record.data(), &length);
      Function_Decode(work.type, text.data(), work.record.data(), work.record_length);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  ConfigureWithoutLimits();
  std::vector<Workload> works;
  std::vector<Workload> mix;
  for (const ostrevan::BlockEntry& block : ostrevan::BlockCatalogue()) {
    int type = block.type;
    uint32_t param_size = 0;
    if (Function_ParamLength(type, &param_size) == 0) continue;
    works.push_back(MakeWorkload(type, "default", DefaultText(type, param_size)));
    std::string_view full = ostrevan::testing::TypicalText(type);
    works.push_back(MakeWorkload(type, "full", full.empty() ? DefaultText(type, param_size)
                                                            : std::string(full)));
    mix.push_back(works.back());
  }
  // --fixed-calls=N [--type=T] [--variant=default|full]: for profilers, one
  // type or all of them, one text or both. Each is listed first, tab
  // separated: type, name, text, the sizes of the text (without its NUL)
  // and of its record.
  if (argc >= 2 && std::strncmp(argv[1], "--fixed-calls=", 14) == 0) {
    for (int i = 2; i < argc; ++i) {
      const bool by_type = std::strncmp(argv[i], "--type=", 7) == 0;
      const bool by_variant = std::strncmp(argv[i], "--variant=", 10) == 0;
      const int type = by_type ? std::atoi(argv[i] + 7) : 0;
      const std::string variant = by_variant ? argv[i] + 10 : "";
      works.erase(std::remove_if(works.begin(), works.end(),
                                 [&](const Workload& work) {
                                   return (by_type && work.type != type) ||
                                          (by_variant && work.variant != variant);
                                 }),
                  works.end());
    }
    for (const Workload& work : works) {
      std::printf("%d\t%s\t%s\t%zu\t%u\n", work.type, ostrevan::FindBlock(work.type)->name,
                  work.variant.c_str(), std::strlen(work.text.data()), work.record_length);
    }
    RunFixedCalls(works, std::atol(argv[1] + 14));
    return 0;
  }
  for (const Workload& work : works) {
    std::string key = std::to_string(work.type) + "/" + work.variant;
    benchmark::RegisterBenchmark(("code/" + key).c_str(), BenchCode, work);
    benchmark::RegisterBenchmark(("decode/" + key).c_str(), BenchDecode, work);
    benchmark::RegisterBenchmark(("copy/" + key).c_str(), BenchCopy, work);
  }
  if (!mix.empty()) {
    benchmark::RegisterBenchmark("generation/10000", BenchGeneration, mix)
        ->Unit(benchmark::kMillisecond);
  }

  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  PrintRatios(works, reporter);
  return 0;
}
