#pragma once

#include <QStatusBar>
#include <array>

class QLabel;
class QProgressBar;
class QTimer;
class QToolButton;

namespace tuk {

class ElidedPanel;

// The panels of the status bar, left to right (their object names are "StatusPanel1" to 4).
enum class StatusPanel {
    Folder, // the current folder
    Count,  // the image count, or a run's progress and outcome
    Date,   // today's date
    Time,   // the time
};

// The status bar "Status". The program sets the texts of the folder and count panels; the
// date and the time are kept current by a timer in the user's locale formats. A text that
// does not fit is shortened, never the window widened: the folder loses its middle, the
// progress its front so the run's outcome at its end stays readable; the full text is the
// panel's tooltip.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent);

    // Only the folder and count panels take text from outside.
    void SetPanelText(StatusPanel panel, const QString& text);
    QString PanelText(StatusPanel panel) const;
    // The text the folder or count panel shows now, shortened to its width.
    QString ElidedText(StatusPanel panel) const;

    // Shows the current date and time now.
    void RefreshDateTime();

    // A run's progress bar and its Stop button, beside the count panel and only while a run goes
    // on: ShowRun with the run's number of steps, SetRunStep for each step done, EndRun hides both.
    // Where the bar lacks the room for them beside the other panels, the date and time hide
    // until EndRun.
    void ShowRun(int steps);
    void SetRunStep(int step);
    void EndRun();

Q_SIGNALS:
    // The Stop button, or Escape while it shows, wherever the focus is in the window.
    void StopClicked();

private:
    void AddRunControls();

    // The folder and count panels take text; the date and time panels are the clock's.
    ElidedPanel* TextPanel(StatusPanel panel) const;

    std::array<ElidedPanel*, 2> texts_{};
    std::array<QLabel*, 2> clock_panels_{};
    QTimer* clock_ = nullptr;
    QProgressBar* runBar_ = nullptr;
    QToolButton* stop_ = nullptr;
};

} // namespace tuk
