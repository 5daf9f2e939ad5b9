#include "app/qt/qt_message_box.h"

#include <QMessageBox>

namespace pathnab {

void QtMessageBox::Show(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

}  // namespace pathnab
