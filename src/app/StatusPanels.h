#pragma once

#include <QStatusBar>
#include <array>

class QLabel;
class QTimer;

namespace tuk {

// The status bar "Status": panel 1 the current folder, panel 2 the image count (both set by
// the program), panel 3 today's date and panel 4 the time, kept current by a timer in the
// user's locale formats.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent);

    // Panels are numbered 1..4; only 1 and 2 take text from outside.
    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;

    // Shows the current date and time now.
    void RefreshDateTime();

private:
    std::array<QLabel*, 4> panels_{};
    QTimer* clock_ = nullptr;
};

} // namespace tuk
