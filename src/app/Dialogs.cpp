#include "app/Dialogs.h"

#include "app/icons/AppIcon.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>

namespace tuk {

namespace {

QMessageBox::StandardButton Show(QWidget* parent, const QString& text,
                                 QMessageBox::StandardButtons buttons) {
    // A box over a window not shown yet (a start-up message) would make that window's native
    // window early; the window manager then frames it around the place meant for its frame,
    // and the window drifts and grows at every start. Such a box stands on its own.
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text, buttons,
                    parent && parent->isVisible() ? parent : nullptr);
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

// Qt's own folder chooser, so the prompt can stand in the dialog under the folder view.
QString MessageBoxes::BrowseFolder(const QString& prompt, const QString& startFolder) {
    QFileDialog dialog(parent_, QString::fromLatin1(kAppTitle), startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog |
                      QFileDialog::DontResolveSymlinks);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* label = new QLabel(prompt, &dialog);
        label->setTextFormat(Qt::PlainText);
        grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool MessageBoxes::OpenPage(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void MessageBoxes::About(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, title + QLatin1Char('\n') + text, QMessageBox::Ok,
                    parent_);
    box.setTextFormat(Qt::PlainText);
    box.setIconPixmap(AppIcon().pixmap(32, 32));
    box.exec();
}

} // namespace tuk
