#include "reports/common/Theme.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QStyle>
#include <QStyleHints>
#include <algorithm>

#include "chart/ChartColours.h"
#include "reports/common/ChoiceMenu.h"
#include "reports/common/FileNames.h"
#include "shot/PreferencesFile.h"

namespace vorlan {

namespace {

constexpr std::string_view kThemeKey = "View/Theme";
constexpr std::pair<Theme, std::string_view> kThemes[] = {
    {Theme::System, "System"}, {Theme::Light, "Light"}, {Theme::Dark, "Dark"}};

// The desktop's style and palette as the program found them, and the theme shown now.
struct Look {
    bool remembered = false;
    bool changed = false;  // the style or palette has been set by a theme
    QString style;
    QPalette palette;
    Theme theme = Theme::System;
};
Look& look() {
    static Look state;
    return state;
}

bool desktopPrefersDark() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark) return true;
#endif
    // Before Qt 6.5 the desktop tells its scheme through the palette its platform theme gives.
    return isDarkPalette(look().palette);
}

void setLook(const QString& style, const std::optional<QPalette>& palette) {
    if (QApplication::style()->name().compare(style, Qt::CaseInsensitive) != 0) QApplication::setStyle(style);
    QApplication::setPalette(palette.value_or(QApplication::style()->standardPalette()));
    look().changed = true;
}

void setDesktopLook() {
    if (look().changed) setLook(look().style, look().palette);
}

}  // namespace

std::string_view themeText(Theme theme) {
    for (const auto& [value, text] : kThemes)
        if (value == theme) return text;
    return "System";
}

std::optional<Theme> parseTheme(std::string_view text) {
    for (const auto& [value, name] : kThemes)
        if (name == text) return value;
    return std::nullopt;
}

Theme loadTheme(const QString& preferencesPath) {
    return parseTheme(readPreference(toFileName(preferencesPath), kThemeKey).value_or("")).value_or(Theme::System);
}

FileOutcome saveTheme(const QString& preferencesPath, Theme theme) {
    if (preferencesPath.isEmpty()) return {};
    return writeChoice(toFileName(preferencesPath), kThemeKey, themeText(theme), themeText(Theme::System));
}

QPalette darkPalette() {
    const QColor text(232, 232, 232), disabled(127, 127, 127);
    QPalette p(QColor(53, 53, 56), QColor(45, 45, 48));  // button, window
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::WindowText, text},
        {QPalette::Text, text},
        {QPalette::ButtonText, text},
        {QPalette::BrightText, QColor(255, 120, 120)},
        {QPalette::Base, QColor(30, 30, 32)},
        {QPalette::AlternateBase, QColor(40, 40, 44)},
        {QPalette::ToolTipBase, QColor(60, 60, 64)},
        {QPalette::ToolTipText, text},
        {QPalette::PlaceholderText, QColor(160, 160, 160)},
        {QPalette::Highlight, QColor(38, 100, 180)},
        {QPalette::HighlightedText, Qt::white},
        {QPalette::Link, QColor(110, 170, 255)},
        {QPalette::LinkVisited, QColor(190, 150, 255)},
        {QPalette::Light, QColor(75, 75, 80)},
        {QPalette::Midlight, QColor(62, 62, 66)},
        {QPalette::Mid, QColor(40, 40, 42)},
        {QPalette::Dark, QColor(25, 25, 27)},
        {QPalette::Shadow, QColor(10, 10, 10)},
    };
    for (const auto& [role, colour] : roles) p.setColor(role, colour);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(70, 70, 74));
    return p;
}

void applyTheme(Theme theme) {
    Look& state = look();
    if (!state.remembered) {
        state.style = QApplication::style()->name();
        state.palette = QApplication::palette();
        state.remembered = true;
    }
    state.theme = theme;
    const bool desktopDark = isDarkPalette(state.palette);
    if (theme == Theme::Dark || (theme == Theme::System && desktopPrefersDark() && !desktopDark))
        setLook(QStringLiteral("Fusion"), darkPalette());  // also where the desktop's style draws no dark
    else if (theme == Theme::Light && desktopDark)
        setLook(QStringLiteral("Fusion"), std::nullopt);  // Fusion's own light palette
    else
        setDesktopLook();
}

Theme currentTheme() { return look().theme; }

QColor shownDialogColor(const QColor& chosen, const QPalette& palette) {
    if (!isDarkPalette(palette)) return chosen;
    // Lightness 0.2 keeps the brightest hue (yellow) dark enough for light text.
    const float hue = chosen.hslHueF();
    return QColor::fromHslF(hue < 0 ? 0.0f : hue, hue < 0 ? 0.0f : std::min(chosen.hslSaturationF(), 0.4f), 0.2f);
}

QMenu* addThemeMenu(QMenu& parent, const QString& preferencesPath,
                    std::function<void(const QString& reason)> tellFailure) {
    const char* const captions[] = {QT_TRANSLATE_NOOP("Theme", "&System"), QT_TRANSLATE_NOOP("Theme", "&Light"),
                                    QT_TRANSLATE_NOOP("Theme", "&Dark")};
    QList<MenuChoice> choices;
    for (std::size_t i = 0; i < std::size(kThemes); ++i)
        choices.append({QCoreApplication::translate("Theme", captions[i]),
                        QStringLiteral("theme") + QString::fromLatin1(kThemes[i].second), int(kThemes[i].first)});
    return addChoiceMenu(
        parent, QCoreApplication::translate("Theme", "&Theme"), QStringLiteral("viewTheme"), choices,
        [] { return QVariant(int(currentTheme())); },
        [preferencesPath, tellFailure](const QVariant& value) {
            const auto theme = static_cast<Theme>(value.toInt());
            applyTheme(theme);
            const FileOutcome saved = saveTheme(preferencesPath, theme);
            if (!saved && tellFailure) tellFailure(QString::fromStdString(saved.reason()));
        });
}

}  // namespace vorlan
