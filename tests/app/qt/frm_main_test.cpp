#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "app/fakes/fake_main_window.h"
#include "app/fakes/window_settings.h"
#include "pathforms/fakes/path_forms_fakes.h"
#include "app/main_window.h"
#include "app/qt/frm_main.h"
#include "app/qt/qt_clipboard.h"

namespace pathnab {
namespace {

class FixedVersion final : public VersionSource {
public:
    VersionInfo Read() override { return {"Tallwick", "Pathnab", 1, 0, 0, 1}; }
};

// The real window and handlers; only the settings, the rows and the screen are fakes.
struct LoadedWindow {
    explicit LoadedWindow(const std::string& path = "/tmp/a.txt", const std::string& storedSize = "") {
        if (!storedSize.empty()) {
            fakes::StoreWindowText(registry, "Height", storedSize);
            fakes::StoreWindowText(registry, "Width", storedSize);
        }
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

    // Whatever is stored, the window keeps within the window system's limits: its menu bar and
    // its first row wholly seen, and no larger than the screens hold.
    void storedSizeIsKeptWithinTheWindowSystemsLimits_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-3000";
        QTest::newRow("letters") << "abc";
        QTest::newRow("largest Long") << "2147483647";
    }

    void storedSizeIsKeptWithinTheWindowSystemsLimits() {
        QFETCH(QString, stored);
        LoadedWindow loaded("/tmp/a.txt", stored.toStdString());
        loaded.ShowAndWait();
        const QSize size = loaded.window.frameGeometry().size();
        const QSize screens = QGuiApplication::primaryScreen()->virtualSize();
        QVERIFY2(size.width() <= screens.width() && size.height() <= screens.height(),
                 qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
        QVERIFY(loaded.window.menuBar()->width() >= loaded.window.menuBar()->sizeHint().width());
        const QRect firstRow = loaded.List().visualItemRect(loaded.List().topLevelItem(0));
        QVERIFY(!firstRow.isEmpty());
        QVERIFY2(firstRow.top() >= 0 && firstRow.bottom() < loaded.List().viewport()->height(),
                 qPrintable(QString("row %1..%2, list %3 high")
                                .arg(firstRow.top())
                                .arg(firstRow.bottom())
                                .arg(loaded.List().viewport()->height())));
    }

    void listCoversTheClientAreaAfterAResize() {
        LoadedWindow loaded;
        loaded.ShowAndWait();
        loaded.window.resize(700, 300);
        QTRY_COMPARE(loaded.List().geometry(), loaded.window.centralWidget()->rect());
    }

    void columnsFitTheirTextsWithoutAHorizontalScrollBar() {
        LoadedWindow loaded;
        loaded.ShowAndWait();
        QTreeWidget& list = loaded.List();
        const QAbstractItemView& view = list;
        QVERIFY(qAbs(list.columnWidth(0) - view.sizeHintForColumn(0)) <= 1);
        QTRY_VERIFY(!list.horizontalScrollBar()->isVisible());
        QVERIFY(list.columnWidth(0) + list.columnWidth(1) >= list.viewport()->width() - 1);
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
        loaded.List().clearSelection();
        QWidget* viewport = loaded.List().viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(20, viewport->height() - 3));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("before"));
        QVERIFY(loaded.window.isVisible());
        QVERIFY(!fakes::StoreWritten(loaded.registry));
    }

    // Tab from the list moves the focus along the tab order; then the key goes to the focus,
    // as the window system delivers it.
    void keysWorkAsTheDefaultAndCancelButtons_data() {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("copies");
        QTest::newRow("Return on the list copies") << 0 << "lv" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter on the list copies") << 0 << "lv" << int(Qt::Key_Enter) << true;
        QTest::newRow("Return on Cancel cancels") << 1 << "cmdCancel" << int(Qt::Key_Return) << false;
        QTest::newRow("Enter on Cancel cancels") << 1 << "cmdCancel" << int(Qt::Key_Enter) << false;
        QTest::newRow("Return on Select copies") << 2 << "cmdSelect" << int(Qt::Key_Return) << true;
        QTest::newRow("Escape on the list cancels") << 0 << "lv" << int(Qt::Key_Escape) << false;
        QTest::newRow("Escape on Cancel cancels") << 1 << "cmdCancel" << int(Qt::Key_Escape) << false;
        QTest::newRow("Escape on Select cancels") << 2 << "cmdSelect" << int(Qt::Key_Escape) << false;
    }

    void keysWorkAsTheDefaultAndCancelButtons() {
        QFETCH(int, tabs);
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(bool, copies);
        LoadedWindow loaded;
        loaded.ShowAndWait();
        loaded.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&loaded.window));
        QSignalSpy closed(&loaded.window, &FrmMain::Closed);
        loaded.List().setCurrentItem(loaded.List().topLevelItem(1));
        loaded.List().setFocus();
        for (int i = 0; i < tabs; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(closed.count(), copies ? 1 : 0);
        QCOMPARE(loaded.window.Ended(), !copies);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString(copies ? "a.txt" : "before"));
        QCOMPARE(fakes::StoreWritten(loaded.registry), copies);
    }

    // Each fill starts the list on its first row, selected and current, whatever was selected before.
    void firstRowIsSelectedAfterEveryFill() {
        LoadedWindow loaded;
        const auto selectedRows = [&loaded] {
            QList<int> rows;
            for (QTreeWidgetItem* item : loaded.List().selectedItems())
                rows << loaded.List().indexOfTopLevelItem(item);
            return rows;
        };
        QCOMPARE(selectedRows(), QList<int>{0});
        QCOMPARE(loaded.List().currentItem(), loaded.List().topLevelItem(0));
        for (const QString item : {"&C++ and C#", "&Normal", "&Normal"}) {
            loaded.List().setCurrentItem(loaded.List().topLevelItem(2));
            loaded.MenuItem("&Syntax", item)->trigger();
            QCOMPARE(selectedRows(), QList<int>{0});
            QCOMPARE(loaded.List().currentItem(), loaded.List().topLevelItem(0));
        }
    }

    // What a user does first: the window opens, Enter copies Full Path; Down, Enter the next row.
    void keysRightAfterOpeningCopyFromTheFirstRow_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("copied");
        QTest::newRow("Enter") << QList<int>{Qt::Key_Return} << "/tmp/a.txt";
        QTest::newRow("Down, Enter") << QList<int>{Qt::Key_Down, Qt::Key_Return} << "a.txt";
        QTest::newRow("Down, Up, Enter") << QList<int>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Return} << "/tmp/a.txt";
    }

    void keysRightAfterOpeningCopyFromTheFirstRow() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, copied);
        LoadedWindow loaded;
        loaded.ShowAndWait();
        loaded.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&loaded.window));
        QSignalSpy closed(&loaded.window, &FrmMain::Closed);
        for (const int key : keys) QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
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
