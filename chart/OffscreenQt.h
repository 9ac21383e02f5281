#pragma once
// Qt for a renderer module of vorlan-cli: started on the offscreen platform for one picture,
// with only Qt's errors on stderr (its notes, such as a missing runtime folder or a font
// fallback, are not the command's output).

#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace vorlan {

inline void keepQtErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Qt runs while the returned application lives; none when Qt already runs.
inline std::unique_ptr<QGuiApplication> startOffscreenQt() {
    static char name[] = "vorlan-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    static int argc = 3;  // Qt keeps a reference to it
    qInstallMessageHandler(keepQtErrorsOnly);
    if (QGuiApplication::instance()) return nullptr;
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace vorlan
