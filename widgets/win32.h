// The Windows headers as the view includes them. <windows.h> defines
// MessageBox as a macro, which would rename the editor's MessageBox type in
// every file that sees both; the view calls MessageBoxA by its own name.
#pragma once

#include <windows.h>

#include <commctrl.h>

#undef MessageBox
