#include "app/StatusPanels.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace tuk {

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("Status"));
    for (size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        panels_[i] = panel;
    }
    // The folder takes what is left; the count gets room for "99999 Images".
    addWidget(panels_[0], 1);
    panels_[1]->setMinimumWidth(
        panels_[1]->fontMetrics().horizontalAdvance(QStringLiteral("99999 Images")) + 8);
    addWidget(panels_[1]);
    addPermanentWidget(panels_[2]);
    addPermanentWidget(panels_[3]);

    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &StatusPanels::RefreshDateTime);
    clock_->start();
    RefreshDateTime();
}

void StatusPanels::SetPanelText(int panel, const QString& text) {
    if (panel == 1 || panel == 2)
        panels_[static_cast<size_t>(panel - 1)]->setText(text);
}

QString StatusPanels::PanelText(int panel) const {
    if (panel < 1 || panel > 4)
        return {};
    return panels_[static_cast<size_t>(panel - 1)]->text();
}

void StatusPanels::RefreshDateTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    const QString date = locale.toString(now.date(), QLocale::ShortFormat);
    const QString time = locale.toString(now.time(), QLocale::ShortFormat);
    if (panels_[2]->text() != date)
        panels_[2]->setText(date);
    if (panels_[3]->text() != time)
        panels_[3]->setText(time);
}

} // namespace tuk
