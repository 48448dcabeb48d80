#include "app/Dialogs.h"

#include <QMessageBox>

namespace tuk {

namespace {

QMessageBox::StandardButton Show(QWidget* parent, const QString& text,
                                 QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

Dialogs::Answer MessageBoxes::Ask(const QString& text) {
    switch (Show(parent_, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void MessageBoxes::Tell(const QString& text) {
    Show(parent_, text, QMessageBox::Ok);
}

} // namespace tuk
