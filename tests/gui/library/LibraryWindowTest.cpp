// The Library window: opened from the main dialog, its tree of rifles and loads filtered and
// sorted, a load opened into the main dialog (asking first over unsaved changes), the shot on
// screen saved, a load duplicated, deleted to the trash and imported, a file changed outside
// refused, and the folder followed. XDG_DATA_HOME points into the test's folder, so the library
// and the trash are the test's own.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QTreeView>

#include "reports/table/TrajectoryWindow.h"
#include "tests/gui/GuiHarness.h"
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
};

QTEST_MAIN(LibraryWindowTest)
#include "LibraryWindowTest.moc"
