// The Library window: opened from the main dialog, its tree of rifles and loads filtered and
// sorted, a load opened into the main dialog (asking first over unsaved changes), the shot on
// screen saved, a load duplicated, deleted to the trash and imported, a file changed outside
// refused, and the folder followed. XDG_DATA_HOME points into the test's folder, so the library
// and the trash are the test's own.

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "reports/table/TrajectoryWindow.h"
#include "tests/gui/GuiHarness.h"
#include "ui/chronograph/ChronographDialog.h"
#include "ui/common/ControlIds.h"
#include "ui/library/CLibraryDlg.h"

using namespace vorlan;

namespace {

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The texts of the tree as shown: "rifle: load, load; rifle: ...".
QString shownTree(const QSortFilterProxyModel* shown) {
    QStringList rifles;
    for (int r = 0; r < shown->rowCount(); ++r) {
        const QModelIndex rifle = shown->index(r, 0);
        QStringList loads;
        for (int l = 0; l < shown->rowCount(rifle); ++l) loads << shown->index(l, 0, rifle).data().toString();
        rifles << rifle.data().toString() + QStringLiteral(": ") + loads.join(QStringLiteral(", "));
    }
    return rifles.join(QStringLiteral("; "));
}

void pressButton(CLibraryDlg* window, int id) {
    QTest::mouseClick(qobject_cast<QPushButton*>(window->control(id)), Qt::LeftButton);
}

}  // namespace

class LibraryWindowTest : public QObject {
    Q_OBJECT

    testing::Harness harness;
    QString library;
    QStringList asked, failures;
    bool answer = true;
    std::optional<LoadNaming> naming;

    QString at(const char* file) const { return library + QLatin1Char('/') + QString::fromUtf8(file); }

private slots:
    void initTestCase() {
        qputenv("XDG_DATA_HOME", harness.path(QStringLiteral("data")).toUtf8());
        library = harness.path(QStringLiteral("data/Vorlan/Library"));
        QVERIFY(QDir().mkpath(library));
        put(at("308.vxf"), "Name:175 SMK\r\r\nRifle:Tikka T3x .308\r\r\nVelocity:2600\r\r\nBC:0.243\r\r\n");
        put(at("308-b.vxf"), "Name:168 ELD\r\r\nRifle:Tikka T3x .308\r\r\nVelocity:2700\r\r\n");
        put(at("pellet.vxf"), "Name:JSB 8.44\r\r\nVelocity:880\r\r\nCaliber:.177\r\r\n");
        put(at("notes.vxf"), "bring ear plugs\n");
        harness.context.ask = [this](QWidget*, const QString&, const QString& question) {
            asked << question;
            return answer;
        };
        harness.context.showFailure = [this](QWidget*, const QString&, const QString& message) { failures << message; };
    }

    void opensFiltersSortsAndOpensLoads() {
        auto dialog = harness.openMainDialog();
        QTest::mouseClick(qobject_cast<QPushButton*>(dialog->control(MainDialogIds::kLibraryButton)), Qt::LeftButton);
        CLibraryDlg* window = testing::newestShown<CLibraryDlg>();
        QVERIFY(window);
        QCOMPARE(window->model().folder(), library);
        QSortFilterProxyModel* shown = window->shown();
        QCOMPARE(shownTree(shown), QStringLiteral("Tikka T3x .308: 168 ELD, 175 SMK; (no rifle): JSB 8.44"));
        QVERIFY(window->unreadableText().contains(QStringLiteral("notes.vxf: it holds no shot-file line")));
        // Numbers sort as numbers: 880 ft/s before 2600 (as text "2600.0" would come first).
        window->tree()->sortByColumn(LibraryModel::Velocity, Qt::DescendingOrder);
        QCOMPARE(shownTree(shown), QStringLiteral("(no rifle): JSB 8.44; Tikka T3x .308: 168 ELD, 175 SMK"));
        window->tree()->sortByColumn(LibraryModel::Name, Qt::AscendingOrder);

        const struct {
            const char* filter;
            const char* tree;
        } filters[] = {
            {"jsb", "(no rifle): JSB 8.44"},
            {"tikka", "Tikka T3x .308: 168 ELD, 175 SMK"},  // a rifle shows all its loads
            {"2700.0", "Tikka T3x .308: 168 ELD"},
            {".177", "Tikka T3x .308: 168 ELD, 175 SMK; (no rifle): JSB 8.44"},  // the calibre's default
            {"nothing like it", ""},
        };
        auto* filter = qobject_cast<QLineEdit*>(window->control(LibraryIds::kFilter));
        for (const auto& f : filters) {
            testing::retype(filter, QString::fromUtf8(f.filter));
            QCOMPARE(shownTree(shown), QString::fromUtf8(f.tree));
        }
        filter->clear();

        // Enter opens the load; over changes not saved it asks first, and No keeps them.
        window->selectFile(QStringLiteral("308.vxf"));
        window->tree()->setFocus();
        QTest::keyClick(window->tree(), Qt::Key_Return);
        QCOMPARE(dialog->edit(MainDialogIds::kNameEdit)->text(), QStringLiteral("175 SMK"));
        QCOMPARE(dialog->shot().rifle, std::string("Tikka T3x .308"));
        QVERIFY(asked.isEmpty());
        QVERIFY(window->isVisible());
        testing::retype(dialog->edit(MainDialogIds::kVelocityEdit), QStringLiteral("2650"));
        window->selectFile(QStringLiteral("pellet.vxf"));
        answer = false;
        QTest::keyClick(window->tree(), Qt::Key_Return);  // asked once, however the key travels
        QCOMPARE(asked.size(), 1);
        QCOMPARE(dialog->edit(MainDialogIds::kNameEdit)->text(), QStringLiteral("175 SMK"));
        answer = true;
        window->onOpen();
        QCOMPARE(dialog->edit(MainDialogIds::kNameEdit)->text(), QStringLiteral("JSB 8.44"));
        QCOMPARE(dialog->shot().rifle, std::string());
        window->grab().save(testing::artefactPath("library.png"));
        window->close();
    }

    void savesDuplicatesDeletesImportsAndFollows() {
        auto dialog = harness.openMainDialog();
        dialog->onLibrary();
        CLibraryDlg* window = testing::newestShown<CLibraryDlg>();
        QVERIFY(window);
        window->askNaming = [this](QWidget*, const LoadNaming& offered) {
            std::optional<LoadNaming> given = naming;
            if (given) given->ask = offered.ask;
            return given;
        };
        testing::retype(dialog->edit(MainDialogIds::kNameEdit), QStringLiteral("Sako load"));
        naming = LoadNaming{{}, {}, QStringLiteral("Sako 85"), QStringLiteral("Sako load"), {}};
        pressButton(window, LibraryIds::kSaveCurrent);
        const QString saved = at("Sako load.vxf");
        QVERIFY(bytesOf(saved).contains("Name:Sako load\r\r\n"));
        QVERIFY(bytesOf(saved).endsWith("Rifle:Sako 85\r\r\n"));
        QCOMPARE(dialog->shot().rifle, std::string("Sako 85"));
        QVERIFY(shownTree(window->shown()).contains(QStringLiteral("Sako 85: Sako load")));

        // Another program changes the load: the window follows, and saving over it is refused.
        window->selectFile(QStringLiteral("Sako load.vxf"));
        window->onOpen();
        put(saved, "Name:Sako load\r\r\nRifle:Sako 85\r\r\nVelocity:3000\r\r\n");
        QTRY_COMPARE(window->model().loadOfFile(QStringLiteral("Sako load.vxf"))->velocity, 3000.0);
        failures.clear();
        pressButton(window, LibraryIds::kSaveCurrent);
        QCOMPARE(failures.size(), 1);
        QVERIFY(failures.front().contains(QStringLiteral("has changed since it was read")));
        QCOMPARE(bytesOf(saved), QByteArray("Name:Sako load\r\r\nRifle:Sako 85\r\r\nVelocity:3000\r\r\n"));

        window->selectFile(QStringLiteral("Sako load.vxf"));
        pressButton(window, LibraryIds::kDuplicate);
        QVERIFY(bytesOf(at("Sako load (2).vxf")).startsWith("Name:Sako load (2)\r\r\n"));
        QCOMPARE(window->selectedLoad()->file, std::string("Sako load (2).vxf"));
        pressButton(window, LibraryIds::kDelete);
        QVERIFY(!QFile::exists(at("Sako load (2).vxf")));
        QVERIFY(QFile::exists(harness.path(QStringLiteral("data/Trash/files/Sako load (2).vxf"))));

        put(harness.path(QStringLiteral("friend.vxf")), "Name:From a friend\nRifle:Sako 85\n");
        harness.fileAnswers << harness.path(QStringLiteral("friend.vxf"));
        pressButton(window, LibraryIds::kImport);
        QCOMPARE(bytesOf(at("friend.vxf")), QByteArray("Name:From a friend\nRifle:Sako 85\n"));
        QVERIFY(shownTree(window->shown()).contains(QStringLiteral("Sako 85: From a friend, Sako load")));

        put(at("copied in.vxf"), "Name:Copied in\r\r\n");
        QTRY_VERIFY(shownTree(window->shown()).contains(QStringLiteral("(no rifle): Copied in, JSB 8.44")));
        window->close();

        // A table window's File > Library opens the window again; a second press raises it.
        dialog->onRangeTable();
        auto* table = testing::newestShown<TrajectoryWindow>();
        QVERIFY(table);
        table->findChild<QAction*>(QStringLiteral("fileLibrary"))->trigger();
        CLibraryDlg* again = testing::newestShown<CLibraryDlg>();
        QVERIFY(again && again->isVisible());
        dialog->onLibrary();
        QCOMPARE(testing::newestShown<CLibraryDlg>(), again);

        // Another folder is listed at once and remembered for the next window.
        const QString other = harness.path(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(other));
        put(other + QStringLiteral("/x.vxf"), "Name:Elsewhere\n");
        harness.fileAnswers << other;
        pressButton(again, LibraryIds::kChooseFolder);
        QCOMPARE(shownTree(again->shown()), QStringLiteral("(no rifle): Elsewhere"));
        again->close();
        QTest::qWait(0);
        dialog->onLibrary();
        QCOMPARE(testing::newestShown<CLibraryDlg>()->model().folder(), other);
        testing::newestShown<CLibraryDlg>()->close();
    }

    // A load exported as a .a7p profile, with the fields it keeps for one, and imported back as
    // a new load, those fields told; a load without a profile and a damaged profile refused,
    // nothing written. The window opened without a main dialog lists the default folder.
    void importsAndExportsProfiles() {
        CLibraryDlg window(harness.context, nullptr);
        put(at("export.vxf"),
            "Name:Export me\r\r\nRifle:Sako 85\r\r\nVelocity:2700\r\r\nWeight:175\r\r\nBC:0.243\r\r\nDrag "
            "Function:4\r\r\n"
            "Bullet Length:1.240\r\r\nTwist Rate:10\r\r\nCard Ranges:109.36133;218.72266\r\r\n"
            "A7P Extras:user_note: \"ear plugs\" zero_x: -12000\r\r\n");
        window.model().refresh();
        const struct {
            const char* load;
            const char* target;
            const char* refusal;  // empty: written
        } exports[] = {{"export.vxf", "out.a7p", ""}, {"pellet.vxf", "none.a7p", "Bullet Length"}};
        for (const auto& e : exports) {
            failures.clear();
            window.selectFile(QString::fromUtf8(e.load));
            harness.fileAnswers << harness.path(QString::fromUtf8(e.target));
            pressButton(&window, LibraryIds::kExport);
            QCOMPARE(harness.fileRequests.last().filters.last(), QStringLiteral("A7P Profiles (*.a7p)"));
            QCOMPARE(harness.fileRequests.last().initialPath, QFileInfo(QString::fromUtf8(e.load)).completeBaseName());
            const bool refused = *e.refusal != '\0';
            QVERIFY2(QFile::exists(harness.path(QString::fromUtf8(e.target))) != refused,
                     qPrintable(failures.join(u'\n')));
            QCOMPARE(failures.size(), int(refused));
            if (refused)
                QVERIFY2(failures.front().contains(QString::fromUtf8(e.refusal)), qPrintable(failures.front()));
        }
        const QByteArray profile = bytesOf(harness.path(QStringLiteral("out.a7p")));
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$"))
                    .match(QString::fromLatin1(profile.left(32)))
                    .hasMatch());
        QByteArray damaged = profile;
        damaged[damaged.size() - 1] = char(damaged.back() ^ 1);
        put(harness.path(QStringLiteral("damaged.a7p")), damaged);

        const struct {
            const char* profile;
            const char* refusal;  // empty: imported
        } imports[] = {{"damaged.a7p", "MD5"}, {"out.a7p", ""}};
        for (const auto& i : imports) {
            failures.clear();
            const int loads = int(window.model().listing().loads.size());
            harness.fileAnswers << harness.path(QString::fromUtf8(i.profile));
            pressButton(&window, LibraryIds::kImport);
            const bool refused = *i.refusal != '\0';
            QCOMPARE(int(window.model().listing().loads.size()), loads + !refused);
            QCOMPARE(failures.size(), 1);  // the refusal, or the fields the profile keeps without a place
            if (refused)
                QVERIFY2(failures.front().contains(QString::fromUtf8(i.refusal)), qPrintable(failures.front()));
        }
        // 2700 ft/s is 823.0 m/s at the profile's 0.1 m/s: 2700.1 ft/s back.
        const QByteArray imported = bytesOf(at("Export me.vxf"));
        QVERIFY2(imported.contains("\nVelocity:2700.1") && imported.contains("Twist Rate:10.00"), imported.constData());
        QVERIFY(imported.contains("A7P Extras:") && imported.contains("ear plugs"));
        for (const char* field : {"user_note: \"ear plugs\"", "zero_x: -12.000 clicks"})
            QVERIFY2(failures.front().contains(QString::fromUtf8(field)), qPrintable(failures.front()));
    }

    // From Chronograph sets the selected load's "MV SD:" and, with its box left checked, its
    // velocity, through the library's save: a load changed outside since it was listed is refused.
    void takesTheChronographsFigures() {
        CLibraryDlg window(harness.context, nullptr);
        put(at("chrono.vxf"), "Name:Chrono\r\r\nVelocity:2700\r\r\n");
        window.model().refresh();
        const struct {
            const char* session;
            bool keepVelocityBox;
            const char* outside;  // written over the load after it was listed; empty: none
            const char* velocity;
            const char* sd;  // sample SD (n - 1)
        } runs[] = {
            {"2740\n2760\n2750\n", true, "", "Velocity:2750.0", "MV SD:10.0"},  // SD: sqrt(200 / 2)
            {"2800\n2804\n", false, "", "Velocity:2750.0", "MV SD:2.8"},        // sqrt(8 / 1) = 2.83
            {"2900\n2920\n", true, "Name:Chrono\r\r\nVelocity:2600\r\r\n", "Velocity:2600", nullptr},
        };
        for (const auto& r : runs) {
            failures.clear();
            window.selectFile(QStringLiteral("chrono.vxf"));
            if (*r.outside) put(at("chrono.vxf"), r.outside);
            put(harness.path(QStringLiteral("session.csv")), r.session);
            harness.fileAnswers << harness.path(QStringLiteral("session.csv"));
            QTimer::singleShot(0, [&r] {
                auto* dialog = testing::newestShown<ChronographDialog>();
                QVERIFY(dialog && dialog->findChild<QCheckBox*>()->isChecked());
                dialog->findChild<QCheckBox*>()->setChecked(r.keepVelocityBox);
                dialog->accept();
            });
            pressButton(&window, LibraryIds::kFromChronograph);
            const QByteArray bytes = bytesOf(at("chrono.vxf"));
            QVERIFY2(bytes.contains(QByteArray("\n") + r.velocity + "\r\r\n"), bytes.constData());
            if (r.sd) QVERIFY2(bytes.contains(QByteArray("\n") + r.sd + "\r\r\n"), bytes.constData());
            QCOMPARE(failures.size(), int(!r.sd));
            if (!r.sd) QVERIFY(failures.front().contains(QStringLiteral("has changed since it was read")));
        }
        QCOMPARE(window.control(LibraryIds::kFromChronograph)->isEnabled(), true);
        window.tree()->clearSelection();
        window.tree()->setCurrentIndex({});
        QVERIFY(!window.control(LibraryIds::kFromChronograph)->isEnabled());
    }
};

QTEST_MAIN(LibraryWindowTest)
#include "LibraryWindowTest.moc"
