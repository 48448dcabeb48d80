#pragma once

#include <QStatusBar>
#include <array>

class QLabel;
class QProgressBar;
class QTimer;
class QToolButton;

namespace tuk {

class ElidedPanel;

// The status bar "Status": panel 1 the current folder, panel 2 the image count or the run's
// progress and outcome (both set by the program), panel 3 today's date and panel 4 the time,
// kept current by a timer in the user's locale formats. A text that does not fit is
// shortened, never the window widened: the folder loses its middle, the progress its front
// so the run's outcome at its end stays readable; the full text is the panel's tooltip.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent);

    // Panels are numbered 1..4; only 1 and 2 take text from outside.
    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    // The text panel 1 or 2 shows now, shortened to its width.
    QString ShownText(int panel) const;

    // Shows the current date and time now.
    void RefreshDateTime();

    // A run's progress bar and its Stop button, beside panel 2 and only while a run goes on:
    // ShowRun with the run's number of steps, SetRunStep for each step done, EndRun hides both.
    void ShowRun(int steps);
    void SetRunStep(int step);
    void EndRun();

Q_SIGNALS:
    // The Stop button, or Escape while it shows, wherever the focus is in the window.
    void StopClicked();

private:
    void AddRunControls();

    std::array<ElidedPanel*, 2> texts_{};
    std::array<QLabel*, 2> clock_panels_{};
    QTimer* clock_ = nullptr;
    QProgressBar* runBar_ = nullptr;
    QToolButton* stop_ = nullptr;
};

} // namespace tuk
