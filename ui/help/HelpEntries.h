#pragma once
// The pop-up help texts of the buttons of the main dialog, the side windows, the colour chooser
// and the comparison window, and of the dialogs themselves for a click on their background.
// Each text is English, marked for translation in the context "HelpTexts".

#include <span>

namespace vorlan {

struct HelpEntry {
    int templateId;
    int controlId;  // 0: the dialog itself
    const char* text;
};

std::span<const HelpEntry> helpEntries();

}  // namespace vorlan
