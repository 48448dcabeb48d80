#include "app/SettingsBinder.h"

#include "app/Dialogs.h"
#include "app/StepFailure.h"
#include "app/start/FolderHistory.h"
#include "style/widgets/ColorEditor.h"
#include "style/widgets/TextOptions.h"

#include <QCoreApplication>
#include <utility>

namespace tuk {

SettingsBinder::SettingsBinder(Dialogs& dialogs, TextOptions& text, ColorEditor& colors,
                               std::function<void()> showMenuOptions)
    : dialogs_(dialogs), text_(text), colors_(colors),
      showMenuOptions_(std::move(showMenuOptions)) {}

SettingsBinder::~SettingsBinder() = default;

void SettingsBinder::Open() {
    store_ = std::make_unique<SettingsStore>();
    if (store_->Unreadable()) {
        //: %1 is the reason the system gives.
        throw StepFailure(QCoreApplication::translate(
                              "frmTu_K", "The settings file could not be read: %1. Tu_K starts "
                                         "with the default settings and leaves the file as it "
                                         "is.")
                              .arg(store_->Problem()));
    }
    if (!store_->Malformed())
        return;
    // Kept before anything can be written, so the next write may start a fresh file.
    const Result<QString> copy = store_->KeepMalformedCopy();
    if (!copy)
        //: %1 is the settings file's path, %2 the reason the system gives.
        throw StepFailure(QCoreApplication::translate(
                              "frmTu_K", "The settings file %1 is not a valid settings file, "
                                         "and its content could not be kept aside: %2. Tu_K "
                                         "starts with the default settings and leaves the "
                                         "file as it is.")
                              .arg(store_->FileName(), copy.failure().text));
    //: %1 is the settings file's path, %2 the path of the copy of its content.
    throw StepFailure(QCoreApplication::translate(
                          "frmTu_K", "The settings file %1 is not a valid settings file. Its "
                                     "content is kept in %2, and Tu_K starts with the "
                                     "default settings.")
                          .arg(store_->FileName(), *copy));
}

// A load that stops at a value that does not convert leaves that key and the ones after it at
// their defaults, so what the window shows is what the pages get; a target folder that did
// not load is then never written over unless the user chooses one.
void SettingsBinder::Load() {
    if (!store_)
        return;
    const LoadOutcome outcome = LoadSettings(*store_, Program().page, Program().placement);
    writeTargetFolder_ = outcome.Loaded(RowOf(&PageSettings::TargetFolder));
    ShowTextOptions();
    if (!outcome.ok)
        throw StepFailure(outcome.Message());
}

TargetFolderSave SettingsBinder::TargetSave() const {
    return writeTargetFolder_ ? TargetFolderSave::Write : TargetFolderSave::Keep;
}

void SettingsBinder::Save() {
    if (!store_)
        return;
    SaveSettings(*store_, Program().page, TargetSave());
    Flush();
}

void SettingsBinder::SaveAtClose(const WindowPlacement& place) {
    if (!store_)
        return;
    SaveShutdownSettings(*store_, place, Program().page.TargetFolder, TargetSave());
    Flush();
}

void SettingsBinder::ReadFolderHistory(FolderHistory& history) const {
    if (store_)
        history.Read(*store_);
}

void SettingsBinder::WriteFolderHistory(const FolderHistory& history) {
    if (store_)
        history.Write(*store_);
}

void SettingsBinder::Flush() {
    const QString reason = store_->Flush().failure().text;
    if (!reason.isEmpty())
        //: %1 is the reason the system gives.
        dialogs_.Tell(
            QCoreApplication::translate("frmTu_K", "The settings were not saved: %1.").arg(reason));
}

void SettingsBinder::ShowTextOptions() {
    text_.ShowFontFace();
    text_.ShowFontSizeCaption();
    text_.ShowFontSize();
    text_.ShowFlags();
    showMenuOptions_();
}

// Every page option but the target folder goes back to its default; every control then shows
// its field, the colour bars included.
void SettingsBinder::LoadDefaults() {
    ApplyPageDefaults(Program().page);
    colors_.ApplyColors();
    if (const std::optional<ColorSlot> slot = colors_.SelectedSlot())
        colors_.SelectSlot(*slot); // the bars and their numbers show the default colour
    ShowTextOptions();
    text_.ApplyTextOptions();
}

} // namespace tuk
