#include "app/StatusPanels.h"

#include "app/PlainToolTip.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHelpEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

namespace tuk {

// A sunken text panel that shortens its text to its width instead of widening the window.
// It never gets narrower than the sample text; it asks for room for its whole text only when
// wantsWhole is set (otherwise it takes what the others leave).
class ElidedPanel : public QLabel {
public:
    ElidedPanel(Qt::TextElideMode mode, const QString& sample, bool wantsWhole, QWidget* parent)
        : QLabel(parent), mode_(mode), wantsWhole_(wantsWhole) {
        setTextFormat(Qt::PlainText);
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setContentsMargins(2, 0, 2, 0);
        setMinimumWidth(fontMetrics().horizontalAdvance(sample) + Extra());
    }

    void SetFullText(const QString& text) {
        full_ = text;
        Elide();
        updateGeometry();
    }
    const QString& FullText() const { return full_; }

    QSize sizeHint() const override {
        const int whole = wantsWhole_ ? fontMetrics().horizontalAdvance(full_) + Extra() : 0;
        return QSize(std::max(whole, minimumWidth()), QLabel::sizeHint().height());
    }
    QSize minimumSizeHint() const override {
        return QSize(minimumWidth(), QLabel::minimumSizeHint().height());
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        Elide();
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            ShowPlainToolTip(static_cast<QHelpEvent*>(event), this,
                             text() == full_ ? QString() : full_);
            return true;
        }
        return QLabel::event(event);
    }

private:
    // Frame and margins, and a pixel each side for the rounding of text widths.
    int Extra() const {
        const QMargins m = contentsMargins();
        return m.left() + m.right() + 2 * frameWidth() + 2;
    }
    void Elide() { setText(fontMetrics().elidedText(full_, mode_, contentsRect().width())); }

    Qt::TextElideMode mode_;
    bool wantsWhole_;
    QString full_;
};

namespace {

QLabel* ClockPanel(QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setContentsMargins(2, 0, 2, 0);
    return panel;
}

// The end of a stopped run's status text, as wide as the run's messages make it.
QString StoppedRunSample() {
    //: A sample that sets the narrowest width of the run's status panel: the end of a
    //: stopped run's status text, with the word the run's status uses for Stopped.
    return QCoreApplication::translate("frmTu_K", "12.345 -- Stopped");
}

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("Status"));
    // The run's text comes first: it gets room for all of it where the bar has that, and
    // always for its end, the elapsed time and the outcome. The folder takes what is left.
    texts_ = {new ElidedPanel(Qt::ElideMiddle, QStringLiteral("/med\u2026CIM/"), false, this),
              new ElidedPanel(Qt::ElideLeft, QChar(0x2026) + StoppedRunSample(), true, this)};
    clock_panels_ = {ClockPanel(this), ClockPanel(this)};
    for (int i = 0; i < 4; ++i) {
        QWidget* panel = i < 2 ? static_cast<QWidget*>(texts_[i]) : clock_panels_[i - 2];
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
    }
    addWidget(texts_[0], 1);
    addWidget(texts_[1]);
    AddRunControls();
    addPermanentWidget(clock_panels_[0]);
    addPermanentWidget(clock_panels_[1]);

    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &StatusPanels::RefreshDateTime);
    clock_->start();
    RefreshDateTime();
}

// The bar shares the room left of the clock with the folder panel and asks for only four
// digits' width, so showing it and the button leaves the window's width alone. Screen readers
// read its value; no percentage is drawn.
void StatusPanels::AddRunControls() {
    runBar_ = new QProgressBar(this);
    runBar_->setObjectName(QStringLiteral("RunProgress"));
    runBar_->setAccessibleName(QCoreApplication::translate("frmTu_K", "Progress of the run"));
    runBar_->setTextVisible(false);
    runBar_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    runBar_->setMaximumHeight(fontMetrics().height());
    stop_ = new QToolButton(this);
    stop_->setObjectName(QStringLiteral("RunStop"));
    //: The button that stops a run.
    stop_->setText(QCoreApplication::translate("frmTu_K", "Stop"));
    stop_->setAccessibleName(QCoreApplication::translate("frmTu_K", "Stop the run"));
    stop_->setToolTip(
        QCoreApplication::translate("frmTu_K", "Stop after the current page or thumbnail (Esc)"));
    connect(stop_, &QToolButton::clicked, this, &StatusPanels::StopClicked);
    // Active only while the button shows.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), stop_);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &StatusPanels::StopClicked);
    addWidget(runBar_, 1);
    addWidget(stop_);
    runBar_->hide();
    stop_->hide();
}

void StatusPanels::ShowRun(int steps) {
    runBar_->setRange(0, std::max(steps, 1));
    runBar_->setValue(0);
    // Where the window is too narrow for the run's bar and button beside everything else (a
    // small screen at a large scale), the clock gives them its room while the run goes on.
    const auto widthNeeded = [this] {
        reformat(); // the layout takes the panels shown now
        return minimumSizeHint().width();
    };
    const int withClock = widthNeeded();
    for (QLabel* panel : clock_panels_)
        panel->hide();
    const int clockWidth = withClock - widthNeeded();
    runBar_->show();
    stop_->show();
    const bool roomy = widthNeeded() + clockWidth <= width();
    for (QLabel* panel : clock_panels_)
        panel->setVisible(roomy);
}

void StatusPanels::SetRunStep(int step) {
    runBar_->setValue(step);
}

void StatusPanels::EndRun() {
    runBar_->hide();
    stop_->hide();
    for (QLabel* panel : clock_panels_)
        panel->show();
}

ElidedPanel* StatusPanels::TextPanel(StatusPanel panel) const {
    switch (panel) {
    case StatusPanel::Folder:
        return texts_[0];
    case StatusPanel::Count:
        return texts_[1];
    case StatusPanel::Date:
    case StatusPanel::Time:
        break;
    }
    return nullptr;
}

void StatusPanels::SetPanelText(StatusPanel panel, const QString& text) {
    if (ElidedPanel* shown = TextPanel(panel))
        shown->SetFullText(text);
}

QString StatusPanels::PanelText(StatusPanel panel) const {
    if (const ElidedPanel* shown = TextPanel(panel))
        return shown->FullText();
    return clock_panels_[panel == StatusPanel::Date ? 0 : 1]->text();
}

QString StatusPanels::ElidedText(StatusPanel panel) const {
    const ElidedPanel* shown = TextPanel(panel);
    return shown ? shown->text() : QString();
}

void StatusPanels::RefreshDateTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    const QString date = locale.toString(now.date(), QLocale::ShortFormat);
    const QString time = locale.toString(now.time(), QLocale::ShortFormat);
    if (clock_panels_[0]->text() != date)
        clock_panels_[0]->setText(date);
    if (clock_panels_[1]->text() != time)
        clock_panels_[1]->setText(time);
}

} // namespace tuk
