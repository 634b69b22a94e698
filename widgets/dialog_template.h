// Dialog templates built in memory: a window of a given size in dialog
// units, with the shell dialog font and no items. The views create their
// controls themselves, with the ids of the models.
#pragma once

#include "widgets/win32.h"

#include <string>
#include <vector>

namespace ostrevan::widgets {

class DialogTemplate {
 public:
  DialogTemplate(DWORD style, DWORD ex_style, int width_dlu, int height_dlu,
                 const std::string& caption);
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;  // DWORD-aligned: a vector of WORD starts aligned
};

// Text in the system's code page as UTF-16, for the few wide-only calls.
std::wstring Widen(const std::string& text);

}  // namespace ostrevan::widgets
