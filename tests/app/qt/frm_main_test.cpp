#include <QAction>
#include <QClipboard>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "app/fakes/fake_main_window.h"
#include "app/fakes/window_settings.h"
#include "pathforms/fakes/path_forms_fakes.h"
#include "app/main_window.h"
#include "app/qt/frm_main.h"
#include "app/qt/qt_clipboard.h"
#include "app/qt/twips.h"

namespace pathnab {
namespace {

class FixedVersion final : public VersionSource {
public:
    VersionInfo Read() override { return {"Tallwick", "Pathnab", 1, 0, 0, 1}; }
};

// The real window and handlers; only the settings, the rows and the screen are fakes.
struct LoadedWindow {
    explicit LoadedWindow(const std::string& path = "/tmp/a.txt") {
        window.Attach(handlers);
        handlers.Load(path);
    }
    QTreeWidget& List() { return *window.findChild<QTreeWidget*>("lv"); }
    QPushButton& Button(const char* name) { return *window.findChild<QPushButton*>(name); }
    QAction* MenuItem(const QString& menu, const QString& item) {
        for (QAction* top : window.menuBar()->actions()) {
            if (top->text() != menu) continue;
            for (QAction* action : top->menu()->actions()) {
                if (action->text() == item) return action;
            }
        }
        return nullptr;
    }
    void ShowAndWait() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    void ClickRow(int index) {
        const QRect row = List().visualItemRect(List().topLevelItem(index));
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, row.center());
    }

    int aboutBoxes = 0;
    QtClipboard clipboard;
    fakes::FakeScreen screen;
    FixedVersion version;
    FakeRegistry registry;
    fakes::FakePathForms forms;
    FrmMain window{[this] { ++aboutBoxes; }};
    fakes::FakeMessageBox messages;
    MainWindowHandlers handlers{{window, clipboard, screen, version, registry, forms, messages}};
};

class FrmMainTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QGuiApplication::clipboard()->setText("before"); }

    void menusHaveTheirCaptionsAndCheckMarks() {
        LoadedWindow loaded;
        QStringList menus;
        for (QAction* menu : loaded.window.menuBar()->actions()) menus << menu->text();
        QCOMPARE(menus, (QStringList{"&File", "&Syntax", "&Help"}));
        QVERIFY(loaded.MenuItem("&File", "E&xit"));
        QVERIFY(loaded.MenuItem("&Help", "&About"));
        QAction* normal = loaded.MenuItem("&Syntax", "&Normal");
        QAction* cType = loaded.MenuItem("&Syntax", "&C++ and C#");
        QVERIFY(normal && cType);
        QVERIFY(normal->isChecked());
        QVERIFY(cType->isCheckable());
        QVERIFY(!cType->isChecked());
    }

    void captionComesFromTheVersion() {
        LoadedWindow loaded;
        QCOMPARE(loaded.window.windowTitle(), QString("Tallwick - Pathnab"));
    }

    void buttonsHaveTheirCaptions() {
        LoadedWindow loaded;
        QCOMPARE(loaded.Button("cmdSelect").text(), QString("Select"));
        QCOMPARE(loaded.Button("cmdCancel").text(), QString("Cancel"));
        QVERIFY(loaded.Button("cmdSelect").isDefault());
    }

    void listIsAHeaderlessTwoColumnReport() {
        LoadedWindow loaded;
        QTreeWidget& list = loaded.List();
        QCOMPARE(list.columnCount(), 2);
        QVERIFY(list.isHeaderHidden());
        QVERIFY(!list.rootIsDecorated());
        QCOMPARE(list.topLevelItemCount(), 3);
        QCOMPARE(list.topLevelItem(0)->text(0), QString("Full Path"));
        QCOMPARE(list.topLevelItem(0)->text(1), QString("/tmp/a.txt"));
    }

    void outerSizeIsTheDefaultInTwips() {
        LoadedWindow loaded;
        loaded.ShowAndWait();
        QCOMPARE(loaded.window.OuterHeight(), 2535.0f);
        QCOMPARE(loaded.window.OuterWidth(), 7695.0f);
    }

    void listCoversTheClientAreaAfterAResize() {
        LoadedWindow loaded;
        loaded.ShowAndWait();
        loaded.window.resize(700, 300);
        QTRY_COMPARE(loaded.List().geometry(), loaded.window.centralWidget()->rect());
    }

    void secondColumnFollowsTheRestoredWidth() {
        LoadedWindow loaded;
        const TwipScale scale = TwipScale::OfPrimaryScreen();
        const int expected = scale.PixelsX(scale.TwipsX(loaded.window.centralWidget()->width()) - 1200 - 30);
        QCOMPARE(loaded.List().columnWidth(1), expected);
    }

    void clickOnARowCopiesItsTextAndClosesTheWindow() {
        LoadedWindow loaded("/tmp/d\xc3\xa9j\xc3\xa0 vu.txt");
        loaded.ShowAndWait();
        QSignalSpy closed(&loaded.window, &FrmMain::Closed);
        loaded.ClickRow(0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8("/tmp/d\xc3\xa9j\xc3\xa0 vu.txt"));
        QCOMPARE(closed.count(), 1);
        QVERIFY(!loaded.window.isVisible());
        QCOMPARE(fakes::StoredWindowText(loaded.registry, "Height"), std::optional<std::string>("2535"));
    }

    void clickOnARowWithEmptyTextEmptiesTheClipboard() {
        LoadedWindow loaded;
        loaded.ShowAndWait();
        loaded.ClickRow(2);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
        QVERIFY(!loaded.window.isVisible());
    }

    void clickBelowTheRowsWithoutASelectionDoesNothing() {
        LoadedWindow loaded;
        loaded.ShowAndWait();
        QWidget* viewport = loaded.List().viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(20, viewport->height() - 3));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("before"));
        QVERIFY(loaded.window.isVisible());
        QVERIFY(!fakes::StoreWritten(loaded.registry));
    }

    void enterCopiesTheSelectedRow() {
        LoadedWindow loaded;
        loaded.ShowAndWait();
        loaded.List().topLevelItem(1)->setSelected(true);
        QTest::keyClick(&loaded.List(), Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("a.txt"));
        QVERIFY(!loaded.window.isVisible());
    }

    void escapeEndsAtOnceWithoutSaving() {
        LoadedWindow loaded;
        loaded.ShowAndWait();
        QSignalSpy closed(&loaded.window, &FrmMain::Closed);
        QTest::keyClick(&loaded.List(), Qt::Key_Escape);
        QVERIFY(loaded.window.Ended());
        QCOMPARE(closed.count(), 0);
        QVERIFY(!fakes::StoreWritten(loaded.registry));
    }

    void syntaxItemsMoveTheCheckMarkAndRebuild() {
        LoadedWindow loaded;
        QAction* normal = loaded.MenuItem("&Syntax", "&Normal");
        QAction* cType = loaded.MenuItem("&Syntax", "&C++ and C#");
        cType->trigger();
        QVERIFY(cType->isChecked());
        QVERIFY(!normal->isChecked());
        QCOMPARE(loaded.List().topLevelItemCount(), 3);
        QCOMPARE(loaded.List().topLevelItem(0)->text(1), QString("/tmp/a.txt (C)"));
        normal->trigger();
        normal->trigger();
        QVERIFY(normal->isChecked());
        QVERIFY(!cType->isChecked());
        QCOMPARE(loaded.forms.requests.size(), 4u);
        QCOMPARE(loaded.List().columnCount(), 2);
    }

    void helpAboutShowsTheAboutBoxAndKeepsTheWindow() {
        LoadedWindow loaded;
        loaded.ShowAndWait();
        loaded.MenuItem("&Help", "&About")->trigger();
        QCOMPARE(loaded.aboutBoxes, 1);
        QVERIFY(loaded.window.isVisible());
    }

    void fileExitClosesAndSaves() {
        LoadedWindow loaded;
        loaded.ShowAndWait();
        loaded.MenuItem("&File", "E&xit")->trigger();
        QVERIFY(!loaded.window.isVisible());
        QCOMPARE(fakes::StoredWindowText(loaded.registry, "Width"), std::optional<std::string>("7695"));
    }
};

}  // namespace
}  // namespace pathnab

QTEST_MAIN(pathnab::FrmMainTest)
#include "frm_main_test.moc"
