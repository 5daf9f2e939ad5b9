#include "about/qt/frm_about.h"

#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "about/about_box.h"
#include "about/about_design.h"

namespace pathnab {

namespace {

constexpr double kDesignFontPoints = 8.0;

TwipScale ScreenTwips(const QScreen* screen) { return TwipScale(screen ? screen->logicalDotsPerInch() : 0.0); }

QRect ToPixels(const TwipsRect& twips, const TwipScale& scale) {
    const PixelRect at = scale.Pixels(twips);
    return QRect(at.left, at.top, at.width, at.height);
}

template <typename Control>
Control* AddControl(QWidget* parent, const char* name, const TwipsRect& place,
                    const TwipScale& scale) {
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(ToPixels(place, scale));
    return control;
}

QLabel* AddLabel(QWidget* parent, const char* name, const TwipsRect& place, const char* text,
                 const TwipScale& scale) {
    auto* label = AddControl<QLabel>(parent, name, place, scale);
    label->setText(QString::fromUtf8(text));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const TwipsRect& place,
                       const char* caption, const TwipScale& scale) {
    auto* button = AddControl<QPushButton>(parent, name, place, scale);
    button->setText(QString::fromUtf8(caption));
    return button;
}

}  // namespace

FrmAbout::FrmAbout(const AboutServices& services)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      services_(services) {
    setObjectName("frmAbout");
    setWindowTitle(QString::fromUtf8(about_design::kDesignCaption));
    QIcon icon;
    icon.addFile(":/pathnab/icon-16.png", QSize(16, 16));
    icon.addFile(":/pathnab/icon-32.png", QSize(32, 32));
    setWindowIcon(icon);
    // The system's window-background colour: the colour text areas are drawn on.
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Base));
    setPalette(background);
    setAutoFillBackground(true);
    // The window was laid out for an 8-point dialog font.
    QFont designFont = font();
    designFont.setPointSizeF(kDesignFontPoints);
    setFont(designFont);

    CreateControls();
    PlaceOnScreen();
    Load();
}

void FrmAbout::CreateControls() {
    using namespace about_design;
    const TwipScale tpp = ScreenTwips(screen());
    picture1_ = AddControl<QLabel>(this, "Picture1", kPicture1, tpp);
    picture1_->setPixmap(QPixmap(":/pathnab/picture.png"));
    picture1_->setScaledContents(true);
    cmdOK_ = AddButton(this, "cmdOK", kCmdOK, kOkCaption, tpp);
    cmdSysInfo_ = AddButton(this, "cmdSysInfo", kCmdSysInfo, kSysInfoCaption, tpp);
    label1_ = AddLabel(this, "Label1", kLabel1, kDescription, tpp);
    label1_->setWordWrap(true);
    label1_->resize(label1_->width(), DescriptionHeight(label1_->height(), label1_->heightForWidth(label1_->width())));
    lblTitle_ = AddLabel(this, "lblTitle", kLblTitle, kTitleAtDesign, tpp);
    QPalette black = lblTitle_->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblTitle_->setPalette(black);
    lblVersion_ = AddLabel(this, "lblVersion", kLblVersion, kVersionAtDesign, tpp);

    // OK is both the default (Enter) and the cancel (Esc, which QDialog maps to reject) button.
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo_, &QPushButton::clicked, this, [this] { StartSysInfo(services_); });
    setTabOrder(cmdOK_, cmdSysInfo_);
    cmdOK_->setFocus();
}

void FrmAbout::PlaceOnScreen() {
    const QScreen* shown = screen();
    const QRect client = ToPixels(about_design::kClientArea, ScreenTwips(shown));
    setFixedSize(client.size());
    const QPoint screenCorner = shown ? shown->geometry().topLeft() : QPoint();
    setGeometry(QRect(screenCorner + client.topLeft(), client.size()));
}

void FrmAbout::Load() {
    const AboutTexts texts = LoadAboutTexts(services_.version.Read());
    setWindowTitle(QString::fromStdString(texts.caption));
    lblVersion_->setText(QString::fromStdString(texts.version));
    lblTitle_->setText(QString::fromStdString(texts.title));
}

}  // namespace pathnab
