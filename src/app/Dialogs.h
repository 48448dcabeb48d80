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
    // A modal chooser that offers only folders and shows the prompt; empty when cancelled.
    virtual QString BrowseFolder(const QString& prompt, const QString& startFolder) = 0;
    // Opens a page in the desktop's default browser; false when none could be started.
    virtual bool OpenPage(const QString& path) = 0;
    // The about box: modal, with the title as caption and first line, then the text.
    virtual void About(const QString& title, const QString& text) = 0;
};

// The real boxes: modal, titled with the application's title, over the given window.
class MessageBoxes : public Dialogs {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Ask(const QString& text) override;
    void Tell(const QString& text) override;
    QString BrowseFolder(const QString& prompt, const QString& startFolder) override;
    bool OpenPage(const QString& path) override;
    void About(const QString& title, const QString& text) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace tuk
