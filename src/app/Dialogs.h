#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace tuk {

// The application's title: the caption of every question and message box.
inline constexpr char kAppTitle[] = "Tu_K";

// Every question and message of the window goes through here, so tests can answer them
// without a modal box.
class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;

    // A question with Yes, No and Cancel, no icon; only Yes proceeds.
    virtual Answer Ask(const QString& text) = 0;
    // A message with an OK button only.
    virtual void Tell(const QString& text) = 0;
};

// The real boxes: modal, titled with the application's title, over the given window.
class MessageBoxes : public Dialogs {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Ask(const QString& text) override;
    void Tell(const QString& text) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace tuk
