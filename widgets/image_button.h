// Owner-drawn image buttons: a push button's frame with the picture its
// caption names instead of the caption ("Insert": an arrow pointing into
// the screen beside it, "Delete": a cross, "Phonebook": a book).
#pragma once

#include "widgets/win32.h"

namespace ostrevan::widgets {

void DrawImageButton(const DRAWITEMSTRUCT& item);

}  // namespace ostrevan::widgets
