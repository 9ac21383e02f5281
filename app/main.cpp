// Vorlan, the desktop program.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QCoreApplication>
#include <QTranslator>

#include "app/CVorlan2App.h"
#include "app/DisplayCheck.h"
#include "reports/common/Language.h"

namespace {

constexpr const char* kUsage =
    QT_TRANSLATE_NOOP("main",
                      "Usage: vorlan [QT-OPTIONS] [SHOT.vxf]\n"
                      "The Vorlan exterior-ballistics calculator: one shot per window, its range table, chart and\n"
                      "side calculations.\n"
                      "\n"
                      "  SHOT.vxf     a shot file to open after the settings are read\n"
                      "  QT-OPTIONS   the standard options of Qt programs (-platform NAME, -style NAME, ...)\n"
                      "  --help       print this help and exit\n"
                      "  --version    print the version and exit\n"
                      "\n"
                      "The command-line program vorlan-cli runs the same calculations without a window.\n");

// A text said before Qt starts, in the desktop's language: with no application yet to install
// it, the program's translation is read here.
QByteArray startupText(const char* text) {
    static QTranslator translator;
    static const bool loaded = [] {
        const std::string_view code = vorlan::systemLanguage(std::getenv);
        return translator.load(QStringLiteral("vorlan_") + QString::fromLatin1(code.data(), qsizetype(code.size())),
                               QStringLiteral(":/i18n"));
    }();
    const QString translation = loaded ? translator.translate("main", text) : QString();
    return (translation.isEmpty() ? QString::fromUtf8(text) : translation).toLocal8Bit();
}

// --help and --version answer on stdout before Qt starts, so they work without a display.
// Returns the exit status, or -1 when the program should start.
int answerInformationOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(startupText(kUsage).constData(), stdout);
            return std::fflush(stdout) == 0 ? 0 : 2;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("vorlan " VORLAN_VERSION "\n", stdout);
            return std::fflush(stdout) == 0 ? 0 : 2;
        }
    }
    return -1;
}

// Qt aborts when its platform finds no display; this says why and what works instead.
bool tellWithoutDisplay(int argc, char** argv) {
    if (vorlan::graphicalDisplayAvailable(argc, argv, [](const char* name) { return std::getenv(name); })) return false;
    std::fputs(
        startupText(QT_TRANSLATE_NOOP(
                        "main",
                        "vorlan needs a graphical display (X or Wayland: DISPLAY or WAYLAND_DISPLAY) and found none.\n"
                        "vorlan-cli computes the same tables and calculations without one.\n"))
            .constData(),
        stderr);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int status = answerInformationOptions(argc, argv); status >= 0) return status;
    if (tellWithoutDisplay(argc, argv)) return 1;
    vorlan::CVorlan2App app(argc, argv);
    return app.run();
}
