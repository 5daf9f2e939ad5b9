#include "about/qt/frm_about.h"

#include <algorithm>

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

double ScreenTwipsPerPixel(const QScreen* screen) {
    return TwipsPerPixel(screen ? screen->logicalDotsPerInch() : 0.0);
}

QRect ToPixels(const TwipsRect& twips, double twipsPerPixel) {
    return QRect(TwipsToPixels(twips.left, twipsPerPixel), TwipsToPixels(twips.top, twipsPerPixel),
                 TwipsToPixels(twips.width, twipsPerPixel),
                 TwipsToPixels(twips.height, twipsPerPixel));
}

template <typename Control>
Control* AddControl(QWidget* parent, const char* name, const TwipsRect& place,
                    double twipsPerPixel) {
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(ToPixels(place, twipsPerPixel));
    return control;
}

QLabel* AddLabel(QWidget* parent, const char* name, const TwipsRect& place, const char* text,
                 double twipsPerPixel) {
    auto* label = AddControl<QLabel>(parent, name, place, twipsPerPixel);
    label->setText(QString::fromUtf8(text));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const TwipsRect& place,
                       const char* caption, double twipsPerPixel) {
    auto* button = AddControl<QPushButton>(parent, name, place, twipsPerPixel);
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
    const double tpp = ScreenTwipsPerPixel(screen());
    picture1_ = AddControl<QLabel>(this, "Picture1", kPicture1, tpp);
    picture1_->setPixmap(QPixmap(":/pathnab/picture.png"));
    picture1_->setScaledContents(true);
    cmdOK_ = AddButton(this, "cmdOK", kCmdOK, kOkCaption, tpp);
    cmdSysInfo_ = AddButton(this, "cmdSysInfo", kCmdSysInfo, kSysInfoCaption, tpp);
    label1_ = AddLabel(this, "Label1", kLabel1, kDescription, tpp);
    label1_->setWordWrap(true);
    // A font wider than the design's must not cut the description off: the label grows
    // downwards into the free space above the buttons.
    label1_->resize(label1_->width(),
                    std::max(label1_->height(), label1_->heightForWidth(label1_->width())));
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
    const double tpp = ScreenTwipsPerPixel(shown);
    const QRect client = ToPixels(about_design::kClientArea, tpp);
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
