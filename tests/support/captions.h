// Whether the captions of a dialog show whole at the font its window has.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog.h"

namespace ui {

// The captions, as the controls hold them now, that do not fit their controls: buttons,
// radios, check boxes, static texts and the read-only single-line edits the template gives as
// captions. Hidden controls are measured too; pictures and editable fields are not. Each is
// told as 'control ID "TEXT": needs N of M pixels'.
std::vector<std::string> CutCaptions(const CDialog& dlg);

}  // namespace ui
