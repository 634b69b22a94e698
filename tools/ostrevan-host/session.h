// One loaded plug-in and the host-side chores around its exports: buffers
// of the announced sizes, a throw-away limits file, default texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/ostrevan-host/plugin_loader.h"

namespace ostrevan::host {

class Session {
 public:
  explicit Session(const std::string& plugin_path) : plugin_(plugin_path) {}

  const PluginApi& api() const { return plugin_.api(); }

  uint32_t ParamLength(int type) const;
  uint32_t CodeLength(int type) const;

  // A text buffer of the announced size holding `text` (cut to fit).
  std::vector<char> TextBuffer(int type, const std::string& text) const;
  std::string DefaultText(int type) const;

  // Configures the plug-in to code one block of `type` and codes `text`;
  // the record is empty when coding failed.
  std::vector<uint8_t> CodeOne(int type, const std::string& text) const;

 private:
  Plugin plugin_;
};

// A file in the system's temporary directory, removed with the object.
class TempFile {
 public:
  TempFile(const std::string& stem, const std::string& contents);
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace ostrevan::host
