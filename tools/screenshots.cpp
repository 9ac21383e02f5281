// vorlan_screenshots: pictures of Vorlan's windows, taken from the program itself, for the
// help pages and the README. Run by scripts/screenshots.sh under the offscreen platform:
//   vorlan_screenshots EXAMPLES_FOLDER OUTPUT_FOLDER [LANGUAGE]
// With a language code ("de") the windows speak it, to look at each of them in each language.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "reports/common/Language.h"
#include "reports/table/TrajectoryTableScrollView.h"
#include "reports/table/TrajectoryWindow.h"
#include "shot/ShotFile.h"
#include "shot/library/ShotLibrary.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/advanced/CHitProbabilityDlg.h"
#include "ui/advanced/CTruingDlg.h"
#include "ui/calculations/CComputeBC.h"
#include "ui/calculations/CComputeOPBZ.h"
#include "ui/calculations/CEVWCalculations.h"
#include "ui/calculations/CMaximumRangeDlg.h"
#include "ui/common/AppContext.h"
#include "ui/common/CColorDlg.h"
#include "ui/common/ControlIds.h"
#include "ui/library/CLibraryDlg.h"
#include "ui/main/CShoot.h"
#include "ui/main/CVorlan2Dlg.h"

using namespace vorlan;

namespace {

QDir output;
int failures = 0;

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(20);
    }
}

void save(QWidget* window, const QString& name) {
    settle();
    if (!window || !window->grab().save(output.filePath(name))) {
        std::fprintf(stderr, "vorlan_screenshots: could not take %s\n", qPrintable(name));
        ++failures;
    }
}

void press(ThemedDialog* window, int controlId) {
    if (auto* button = window ? window->controlAs<QAbstractButton>(controlId) : nullptr) button->click();
}

void retype(ThemedDialog& window, int controlId, const QString& text) {
    if (auto* edit = window.controlAs<QLineEdit>(controlId)) edit->setText(text);
}

template <typename Window>
Window* newest(QWidget* owner) {
    const auto windows = owner->findChildren<Window*>();
    return windows.isEmpty() ? nullptr : windows.last();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: vorlan_screenshots EXAMPLES_FOLDER OUTPUT_FOLDER [LANGUAGE]\n");
        return 2;
    }
    QApplication app(argc, argv);
    if (argc == 4) applyLanguage(QString::fromLocal8Bit(argv[3]));
    const QDir examples(QString::fromLocal8Bit(argv[1]));
    output.setPath(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(output.path());
    QTemporaryDir scratch;
    AppContext context;
    context.settingsPath = QFile::encodeName(scratch.filePath(QStringLiteral("Vorlan2.ini"))).toStdString();
    context.showMessage = [](QWidget*, const QString&) {};

    CVorlan2Dlg dialog(context);
    dialog.show();
    dialog.openGivenPath(examples.filePath(QStringLiteral("rifle-308-g7.vxf")));
    dialog.onAirDensity();
    dialog.onRangeTable();  // zeroes the shot: the main window shows its muzzle angle
    save(&dialog, QStringLiteral("main-dialog.png"));
    auto* table = newest<TrajectoryWindow>(&dialog);
    if (table) table->resize(table->sizeHint().width(), 560);
    save(table, QStringLiteral("range-table.png"));
    if (table) {
        table->onFilePrintPreview();
        if (QPrintPreviewDialog* preview = table->previewDialog()) {
            preview->resize(760, 620);
            save(preview, QStringLiteral("print-preview.png"));
            preview->close();
        }
    }

    dialog.onOPBZ();
    auto* opbz = newest<CComputeOPBZ>(&dialog);
    press(opbz, 1008);
    save(opbz, QStringLiteral("opbz.png"));
    dialog.onComputeBC();
    auto* bc = newest<CComputeBC>(&dialog);
    press(bc, 1066);
    save(bc, QStringLiteral("compute-bc.png"));
    dialog.onMaximumRange();
    save(newest<CMaximumRangeDlg>(&dialog), QStringLiteral("maximum-range.png"));

    dialog.onSetBaseline();
    retype(dialog, 1000, QStringLiteral(".308 Win 175 gr SMK, 2600 fps"));
    retype(dialog, 1002, QStringLiteral("2600"));
    dialog.onShoot();
    save(newest<CShoot>(&dialog), QStringLiteral("shot-comparison.png"));

    dialog.onCalculations();
    save(newest<CEVWCalculations>(&dialog), QStringLiteral("calculations.png"));
    dialog.onAdvanced();
    auto* advanced = newest<CAdvancedDlg>(&dialog);
    const std::pair<int, const char*> advancedInputs[] = {
        {AdvancedIds::kWindSpeed, "8"}, {AdvancedIds::kWindDirection, "45"}, {AdvancedIds::kTwist, "10"},
        {AdvancedIds::kLength, "1.24"}, {AdvancedIds::kSensitivity, "1.2"},  {AdvancedIds::kPowderTemperature, "40"},
    };
    for (const auto& [id, text] : advancedInputs)
        if (advanced) retype(*advanced, id, QString::fromLatin1(text));
    save(advanced, QStringLiteral("advanced.png"));
    dialog.onHitProbability();
    if (auto* hit = newest<CHitProbabilityDlg>(&dialog)) {
        const std::pair<int, const char*> hitInputs[] = {
            {HitProbabilityIds::kVelocitySd, "12"},
            {HitProbabilityIds::kRangeSd, "10"},
            {HitProbabilityIds::kWindSd, "2"},
            {HitProbabilityIds::kPrecision, "0.5"},
        };
        for (const auto& [id, text] : hitInputs) retype(*hit, id, QString::fromLatin1(text));
        if (QTest::qWaitFor([hit] { return hit->finished(); }, 60000))
            save(hit, QStringLiteral("hit-probability.png"));
        else
            save(nullptr, QStringLiteral("hit-probability.png"));  // told as a picture not taken
    }
    // Five holds from a day at the range, fitted.
    dialog.openTruing();
    auto* truing = newest<CTruingDlg>(&dialog);
    const std::pair<int, const char*> holds[] = {
        {300, "4.75"}, {500, "11.5"}, {700, "20.1"}, {850, "28.0"}, {1000, "37.3"}};
    for (int row = 0; truing && row < 5; ++row) {
        retype(*truing, TruingIds::cell(row, 0), QString::number(holds[row].first));
        retype(*truing, TruingIds::cell(row, 1), QString::fromLatin1(holds[row].second));
    }
    press(truing, TruingIds::kFit);
    save(truing, QStringLiteral("truing.png"));
    // The library: the examples under their rifles.
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("data"))));
    ShotLibrary library(defaultLibraryFolder());
    const std::pair<const char*, const char*> loads[] = {{"rifle-308-g7.vxf", "Tikka T3x .308"},
                                                         {"airgun-177-pellet.vxf", "Air Arms S510"},
                                                         {"rimfire-22lr.vxf", "CZ 457"},
                                                         {"pistol-9mm.vxf", ""}};
    for (const auto& [file, rifle] : loads) {
        ShotParameters shot;
        readShotFile(QFile::encodeName(examples.filePath(QLatin1String(file))).toStdString(), shot, ShotReadMode::Load);
        shot.rifle = rifle;
        library.save(file, shot, std::nullopt);
    }
    dialog.onLibrary();
    save(newest<CLibraryDlg>(&dialog), QStringLiteral("library.png"));
    CColorDlg colors(context, &dialog);
    colors.show();
    save(&colors, QStringLiteral("dialog-color.png"));
    return failures == 0 ? 0 : 1;
}
