#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/qt/qt_clipboard.h"

namespace pathnab {
namespace {

QClipboard& Desktop() { return *QGuiApplication::clipboard(); }

class QtClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Desktop().setText("before");
        QCoreApplication::processEvents();
    }

    // A copy empties the clipboard, then puts the text there: one change of owner, not two, as a
    // Wayland compositor that takes one request per input event keeps only the first.
    void emptyingThenTextTakeTheClipboardOnce() {
        QtClipboard clipboard;
        QSignalSpy changes(&Desktop(), &QClipboard::changed);
        QVERIFY(clipboard.Clear());
        QVERIFY(clipboard.SetText("/tmp/a b.txt"));
        QTest::qWait(50);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(Desktop().text(), QString("/tmp/a b.txt"));
        QVERIFY(clipboard.HoldsCopiedText());
    }

    void emptyingAloneLeavesTheClipboardOwnedAndEmpty() {
        QtClipboard clipboard;
        QVERIFY(clipboard.Clear());
        QTRY_VERIFY(Desktop().mimeData()->formats().isEmpty());
        QVERIFY(Desktop().ownsClipboard());
        QVERIFY(!clipboard.HoldsCopiedText());
    }

    void textKeepsItsBytesAndNamesUtf8OnlyWhenItIsUtf8_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("UTF-8") << QByteArray("/tmp/d\xc3\xa9j\xc3\xa0 \xe6\x97\xa5.txt") << true;
        QTest::newRow("Latin-1 name") << QByteArray("/tmp/caf\xe9.txt") << false;
        QTest::newRow("empty") << QByteArray() << true;
    }

    void textKeepsItsBytesAndNamesUtf8OnlyWhenItIsUtf8() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        QtClipboard clipboard;
        clipboard.SetText(bytes.toStdString());
        const QMimeData* served = Desktop().mimeData();
        QCOMPARE(served->data("text/plain"), bytes);
        QCOMPARE(served->hasFormat("text/plain;charset=utf-8"), utf8);
    }

    // A keeper that reads the text lets the program go; without a read it waits its patience out.
    void waitUntilReadReportsTheFirstRead() {
        QtClipboard clipboard;
        clipboard.SetText("/tmp/x");
        QVERIFY(!clipboard.WaitUntilRead(std::chrono::milliseconds(30)));
        QTimer::singleShot(10, [] { (void)Desktop().mimeData()->data("text/plain"); });
        QVERIFY(clipboard.WaitUntilRead(std::chrono::seconds(5)));
        QVERIFY(clipboard.WaitUntilRead(std::chrono::milliseconds(0)));
    }

    // Qt's Wayland clipboard reads non-UTF-8 text itself while taking it, to offer it as UTF-8 too.
    void readsBeforeTheOfferAreTheToolkitsOwn() {
        ServedText served("/tmp/caf\xe9.txt");
        (void)served.data("text/plain");
        QVERIFY(!served.WasRead());
        served.MarkOffered();
        (void)served.data("text/plain");
        QVERIFY(served.WasRead());
    }

    void nothingCopiedIsNeverRead() {
        const QtClipboard clipboard;
        QVERIFY(!clipboard.WaitUntilRead(std::chrono::milliseconds(0)));
    }
};

}  // namespace
}  // namespace pathnab

QTEST_MAIN(pathnab::QtClipboardTest)
#include "qt_clipboard_test.moc"
