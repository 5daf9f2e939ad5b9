#include <QApplication>
#include <QStyleFactory>
#include <QTest>
#include <QWidget>
#include <memory>

#include "app/qt/deferred_icons.h"

namespace pathnab {
namespace {

// Fusion, counting how often it is asked for a standard icon.
class CountingStyle final : public QProxyStyle {
public:
    CountingStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
        ++asked;
        return QProxyStyle::standardIcon(which, option, widget);
    }
    mutable int asked = 0;
};

QImage Drawn(const QIcon& icon) { return icon.pixmap(QSize(16, 16)).toImage(); }

class DeferredIconsTest : public QObject {
    Q_OBJECT
private slots:
    void iconIsAskedForOnlyWhenFirstUsedAndThenOnce() {
        auto* counting = new CountingStyle;
        DeferredIconsStyle style(counting);
        const QIcon icon = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QCOMPARE(counting->asked, 0);
        Drawn(icon);
        Drawn(icon);
        QCOMPARE(counting->asked, 1);
    }

    void drawsAsTheStyleItself_data() {
        QTest::addColumn<int>("which");
        QTest::addRow("menu bar overflow") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
        QTest::addRow("warning") << int(QStyle::SP_MessageBoxWarning);
        QTest::addRow("back arrow") << int(QStyle::SP_ArrowBack);
    }
    void drawsAsTheStyleItself() {
        QFETCH(int, which);
        const auto pixmap = static_cast<QStyle::StandardPixmap>(which);
        QWidget widget;
        std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
        DeferredIconsStyle style(QStyleFactory::create("Fusion"));
        const QImage expected = Drawn(fusion->standardIcon(pixmap, nullptr, &widget));
        QVERIFY(!expected.isNull());
        QCOMPARE(Drawn(style.standardIcon(pixmap, nullptr, &widget)), expected);
    }

    void iconOfAWidgetGoneMeanwhileIsStillDrawn() {
        DeferredIconsStyle style(QStyleFactory::create("Fusion"));
        auto widget = std::make_unique<QWidget>();
        const QIcon icon = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, widget.get());
        widget.reset();
        QVERIFY(!Drawn(icon).isNull());
    }
};

}  // namespace
}  // namespace pathnab

QTEST_MAIN(pathnab::DeferredIconsTest)
#include "deferred_icons_test.moc"
