#pragma once
// The program's look: the desktop's own (System), Light, or Dark (the Fusion style with a dark
// palette). System follows the desktop's colour scheme where Qt reports one. The choice is
// kept in the preferences file under "View/Theme", written only once it differs from System,
// so that a file never changed keeps its bytes. Windows follow the application's palette: the
// pictures take their dark colours (chart/ChartColours.h), the dialogs a deep shade of the
// dialog colour; printing and exported pictures keep the paper colours.

#include <QColor>
#include <QPalette>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>

#include "shot/SafeFile.h"

class QMenu;

namespace vorlan {

enum class Theme { System, Light, Dark };

std::string_view themeText(Theme theme);  // "System", "Light", "Dark"
std::optional<Theme> parseTheme(std::string_view text);

// The theme kept in the preferences file; System when it keeps none (or no file is named).
Theme loadTheme(const QString& preferencesPath);
FileOutcome saveTheme(const QString& preferencesPath, Theme theme);

QPalette darkPalette();
// Sets the application's style and palette. The desktop's own are remembered the first time;
// System on a desktop that is not dark leaves them untouched.
void applyTheme(Theme theme);
Theme currentTheme();

// The dialog colour as a window of `palette` shows it: as chosen in a light palette; in a dark
// one a deep shade of its hue, on which the palette's light text reads.
QColor shownDialogColor(const QColor& chosen, const QPalette& palette);

// Adds "&Theme" with System, Light and Dark to `parent`: a choice applies at once and is kept
// in the preferences file; a file that cannot be written is told through `tellFailure`.
QMenu* addThemeMenu(QMenu& parent, const QString& preferencesPath,
                    std::function<void(const QString& reason)> tellFailure);

}  // namespace vorlan
