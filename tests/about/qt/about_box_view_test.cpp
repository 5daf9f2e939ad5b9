#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "about/about_design.h"
#include "about/fakes/fake_about_ports.h"
#include "settings/fakes/fake_registry.h"
#include "about/qt/frm_about.h"
#include "about/qt/show_about.h"

using namespace pathnab;
using namespace pathnab::testing;

class AboutBoxViewTest : public QObject {
    Q_OBJECT

private:
    FixedVersion version{VersionInfo{"Tallwick", "Pathnab", 2, 2, 0, 22}};
    FakeRegistry registry;
    FakeProgramStarter starter;
    FakeFileProbe files;
    FakeMessageBox messages;
    AboutServices services{version, registry, starter, files, messages};

    template <typename Control>
    static Control* Find(const QWidget& box, const char* name) {
        auto* control = box.findChild<Control*>(name);
        if (!control) qFatal("no control %s", name);
        return control;
    }
    static QRect Pixels(const TwipsRect& twips) {
        const PixelRect at = TwipScale(QGuiApplication::primaryScreen()->logicalDotsPerInch()).Pixels(twips);
        return QRect(at.left, at.top, at.width, at.height);
    }
    // Shows the About box as the program does and runs action on it once it is on the
    // screen; true when the action closed it (a box left open is closed here so the test ends).
    template <typename Action>
    bool ShowAndClosedBy(Action action) {
        bool closed = false;
        QTimer::singleShot(0, [action, &closed] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box) return;
            action(box);
            closed = !box->isVisible();
            if (!closed) box->done(QDialog::Rejected);
        });
        ShowAboutBox(services);  // returns once the box has closed
        return closed;
    }

private slots:
    void initTestCase() { InitAboutResources(); }
    void init() {
        registry = FakeRegistry();
        starter = FakeProgramStarter();
        messages = FakeMessageBox();
    }

    void loadFillsCaptionTitleAndVersion() {
        FrmAbout box(services);
        QCOMPARE(box.windowTitle(), QString("About Pathnab from www.tallwick.example"));
        QCOMPARE(Find<QLabel>(box, "lblTitle")->text(), QString("Pathnab from www.tallwick.example"));
        QCOMPARE(Find<QLabel>(box, "lblVersion")->text(), QString("Version 2.2.22"));
    }

    void descriptionIsExactAndWrapped() {
        FrmAbout box(services);
        auto* label = Find<QLabel>(box, "Label1");
        QCOMPARE(label->text(),
                 QString("With this program installed you can right click on any file name and "
                         "select \"Pathnab\". This will copy the selected file name to the clip "
                         "board. Try it!"));
        QVERIFY(label->wordWrap());
    }

    void descriptionIsNeverCutOff() {
        FrmAbout box(services);
        auto* label = Find<QLabel>(box, "Label1");
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(label->geometry().bottom() < Find<QPushButton>(box, "cmdOK")->geometry().top());
    }

    void titleIsBlack() {
        FrmAbout box(services);
        QCOMPARE(Find<QLabel>(box, "lblTitle")->palette().color(QPalette::WindowText),
                 QColor(Qt::black));
    }

    void buttonsCarryTheirCaptionsAndOkIsDefault() {
        FrmAbout box(services);
        auto* ok = Find<QPushButton>(box, "cmdOK");
        QCOMPARE(ok->text(), QString("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(Find<QPushButton>(box, "cmdSysInfo")->text(), QString("&System Info..."));
    }

    void imagesAreLoaded() {
        FrmAbout box(services);
        const QPixmap picture = Find<QLabel>(box, "Picture1")->pixmap();
        QCOMPARE(picture.size(), QSize(164, 314));
        const QList<QSize> sizes = box.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

    void geometryFollowsTheDesignInTwips() {
        FrmAbout box(services);
        const QRect client = Pixels(about_design::kClientArea);
        QCOMPARE(box.geometry(), client);
        QCOMPARE(box.minimumSize(), client.size());
        QCOMPARE(box.maximumSize(), client.size());
        QCOMPARE(Find<QLabel>(box, "Picture1")->geometry(), Pixels(about_design::kPicture1));
        QCOMPARE(Find<QPushButton>(box, "cmdOK")->geometry(), Pixels(about_design::kCmdOK));
        QCOMPARE(Find<QPushButton>(box, "cmdSysInfo")->geometry(), Pixels(about_design::kCmdSysInfo));
        const QRect description = Find<QLabel>(box, "Label1")->geometry();
        const QRect designed = Pixels(about_design::kLabel1);
        QCOMPARE(description.topLeft(), designed.topLeft());
        QCOMPARE(description.width(), designed.width());
        QVERIFY(description.height() >= designed.height());
        QCOMPARE(Find<QLabel>(box, "lblTitle")->geometry(), Pixels(about_design::kLblTitle));
        QCOMPARE(Find<QLabel>(box, "lblVersion")->geometry(), Pixels(about_design::kLblVersion));
    }

    void geometryAtTheUsualDensity() {
        if (QGuiApplication::primaryScreen()->logicalDotsPerInch() != 96) {
            QSKIP("the screen is not at 96 dots per inch");
        }
        FrmAbout box(services);
        QCOMPARE(box.geometry(), QRect(156, 129, 461, 314));
        QCOMPARE(Find<QPushButton>(box, "cmdOK")->geometry(), QRect(360, 280, 84, 23));
    }

    void noMinimiseOrMaximiseButton() {
        FrmAbout box(services);
        QVERIFY(!(box.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(box.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(box.parentWidget() == nullptr);
    }

    void controlsInCreationOrderAndOkHasFirstFocus() {
        FrmAbout box(services);
        QStringList names;
        for (QObject* child : box.children()) {
            if (child->isWidgetType()) names << child->objectName();
        }
        QCOMPARE(names, QStringList({"Picture1", "cmdOK", "cmdSysInfo", "Label1", "lblTitle",
                                     "lblVersion"}));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), Find<QPushButton>(box, "cmdOK"));
        QCOMPARE(Find<QPushButton>(box, "cmdOK")->nextInFocusChain(),
                 Find<QPushButton>(box, "cmdSysInfo"));
    }

    void escapeAndEnterCloseTheModalBox() {
        QVERIFY(ShowAndClosedBy([](QDialog* box) { QTest::keyClick(box, Qt::Key_Escape); }));
        QVERIFY(ShowAndClosedBy([](QDialog* box) { QTest::keyClick(box, Qt::Key_Return); }));
        QVERIFY(ShowAndClosedBy([](QDialog* box) { QTest::keyClick(box, Qt::Key_Enter); }));
    }

    void systemInfoNeverClosesTheModalBox() {
        QVERIFY(!ShowAndClosedBy(
            [](QDialog* box) { Find<QPushButton>(*box, "cmdSysInfo")->click(); }));
        QCOMPARE(messages.shown.size(), size_t(1));
    }

    void okClosesTheModalBoxAndEachShowingIsFresh() {
        for (int showing = 0; showing < 2; ++showing) {
            QString caption;
            QVERIFY(ShowAndClosedBy([&caption](QDialog* box) {
                caption = box->windowTitle();
                Find<QPushButton>(*box, "cmdOK")->click();
            }));
            QCOMPARE(caption, QString("About Pathnab from www.tallwick.example"));
            QCOMPARE(QApplication::topLevelWidgets().count(), 0);
        }
    }

    void systemInfoReportsWhenNothingIsRegisteredAndStaysOpen() {
        FrmAbout box(services);
        box.show();
        QTest::mouseClick(Find<QPushButton>(box, "cmdSysInfo"), Qt::LeftButton);
        QVERIFY(box.isVisible());
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].first, std::string("System Information Is Unavailable At This Time"));
        QCOMPARE(messages.shown[0].second, std::string("Pathnab"));
        QVERIFY(starter.started.empty());
    }

    void systemInfoStartsTheRegisteredProgramAndStaysOpen() {
        registry.PutText(regroot::kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                         "PATH", "/usr/bin/sysinfo");
        FrmAbout box(services);
        box.show();
        QTest::mouseClick(Find<QPushButton>(box, "cmdSysInfo"), Qt::LeftButton);
        QVERIFY(box.isVisible());
        QCOMPARE(starter.started, std::vector<std::string>{"/usr/bin/sysinfo"});
        QVERIFY(messages.shown.empty());
    }
};

QTEST_MAIN(AboutBoxViewTest)
#include "about_box_view_test.moc"
