// Start-up, the settings the window loads and saves, and the close.
#include "app/frmTu_K.h"

#include "settings/Placement.h"
#include "settings/SettingsStore.h"
#include "style/ColorEditor.h"
#include "style/TextOptions.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <stdexcept>

namespace tuk {

namespace {

// A start-up step that cannot go on; its text is shown and start-up continues.
class StepFailure : public std::runtime_error {
public:
    explicit StepFailure(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// The flag keys, in the order of kPageFlags.
StoreKey FlagKey(int index) {
    return static_cast<StoreKey>(static_cast<int>(StoreKey::lCenter) + index);
}

} // namespace

// Start-up in its fixed order; a step that fails is told and the next one runs. The
// designed minimum size needs no step: it is the constants nMinWidth and nMinHeight.
void frmTu_K::Form_Load() {
    RunStep([this] { SetTreeMargins(); });
    RunStep([this] { OpenSettingsStore(); });
    RunStep([this] { LoadSettings(); });
    RunStep([this] { ApplyWindowPlacement(); });
    RunStep([this] { BuildToolbar(); }); // Qt's toolbar is flat without a divider already
    RunStep([this] { text_->SetUp(); });
    RunStep([this] { colors_->SetUpSwatches(); });
    RunStep([this] { BuildFolderTree(); });
    RunStep([this] { RefreshImageList(); });
    RunStep([this] { show(); });
    RunStep([this] { colors_->optBack_Click(); });
    RunStep([this] { colors_->ApplyColors(); });
}

void frmTu_K::RunStep(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& failure) {
        dialogs_.Tell(QString::fromStdString(failure.what()));
    }
}

void frmTu_K::OpenSettingsStore() {
    store_ = std::make_unique<SettingsStore>();
    if (store_->Unreadable()) {
        throw StepFailure(QStringLiteral("The settings file could not be read: %1. Tu_K starts "
                                         "with the default settings and leaves the file as it "
                                         "is.")
                              .arg(store_->Problem()));
    }
    if (store_->Malformed()) {
        // Kept before anything can be written, so the next write may start a fresh file.
        QString error;
        const QString copy = store_->KeepMalformedCopy(&error);
        if (copy.isEmpty())
            throw StepFailure(QStringLiteral("The settings file %1 is not a valid settings file, "
                                             "and its content could not be kept aside: %2. Tu_K "
                                             "starts with the default settings and leaves the "
                                             "file as it is.")
                                  .arg(store_->FileName(), error));
        throw StepFailure(QStringLiteral("The settings file %1 is not a valid settings file. Its "
                                         "content is kept in %2, and Tu_K starts with the "
                                         "default settings.")
                              .arg(store_->FileName(), copy));
    }
}

// Reads every stored setting and shows the font and flag options in their controls. A load
// that stops at a value that does not convert leaves that key and the ones after it at their
// defaults, so what the window shows is what the pages get; a target folder that did not
// load is then never written over unless the user chooses one.
void frmTu_K::LoadSettings() {
    if (!store_)
        return;
    const LoadOutcome outcome = tuk::LoadSettings(*store_, Program().page, Program().placement);
    writeTargetFolder_ = outcome.Loaded(StoreKey::TargetFolder);
    text_->ShowFontFace();
    text_->ShowFontSizeCaption();
    text_->ShowFontSize();
    for (int i = 0; i < kPageFlagCount; ++i)
        text_->ShowFlag(FlagKey(i));
    if (!outcome.ok)
        throw StepFailure(outcome.Message());
}

TargetFolderSave frmTu_K::TargetSave() const {
    return writeTargetFolder_ ? TargetFolderSave::Write : TargetFolderSave::Keep;
}

// Outer size first, then the top-left corner, as stored; only a placement that lies
// entirely off every screen is moved onto the primary screen.
void frmTu_K::ApplyWindowPlacement() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->geometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect outer = KeepOnScreens(BoundsOfPlacement(Program().placement, scale_.Dpi()), screens,
                                      primary ? primary->availableGeometry() : QRect());
    const QSize frame = FrameExtra();
    // The designed size is the smallest the window can be. This platform's frame and menu
    // bar differ from the designing system's, so that size means the window's own minimum.
    const WindowPlacement& place = Program().placement;
    if (HasDesignedSize(place))
        resize(minimumSize());
    else
        resize(outer.size() - frame);
    move(outer.topLeft());
    // Until the window manager has framed the window its frame is unknown; the outer size is
    // fitted once it is (see FitPlacementToFrame).
    pendingOuter_ = outer;
    placementPending_ = frame.isNull();
}

QSize frmTu_K::FrameExtra() const {
    return frameGeometry().size() - geometry().size();
}

void frmTu_K::FitPlacementToFrame() {
    if (!placementPending_ || !isVisible())
        return;
    const QSize frame = FrameExtra();
    if (frame.isNull())
        return;
    placementPending_ = false;
    const WindowPlacement& place = Program().placement;
    if (!HasDesignedSize(place))
        resize(pendingOuter_.size() - frame);
    move(pendingOuter_.topLeft());
}

void frmTu_K::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FitPlacementToFrame();
}

void frmTu_K::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitPlacementToFrame();
}

void frmTu_K::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FitPlacementToFrame();
}

void frmTu_K::SaveSettings() {
    if (!store_)
        return;
    tuk::SaveSettings(*store_, Program().page, TargetSave());
    const QString reason = store_->Flush();
    if (!reason.isEmpty())
        TellNotSaved(reason);
}

void frmTu_K::TellNotSaved(const QString& reason) {
    dialogs_.Tell(QStringLiteral("The settings were not saved: %1.").arg(reason));
}

void frmTu_K::LoadDefaultValues() {
    if (dialogs_.Ask(QStringLiteral("Load Default Values?")) != Dialogs::Answer::Yes)
        return;
    PageSettings& page = Program().page;
    const PageSettings defaults = DefaultPageSettings();
    for (const ColorKeyRule& color : kColorKeys)
        page.Component(color.slot, color.channel) = color.byDefault;
    colors_->ApplyColors();
    page.nFontSize = defaults.nFontSize;
    text_->ShowFontSizeCaption();
    text_->ShowFontSize();
    page.sFontFace = defaults.sFontFace;
    text_->ShowFontFace();
    for (int i = 0; i < kPageFlagCount; ++i) {
        page.*kPageFlags[static_cast<size_t>(i)].field =
            kPageFlags[static_cast<size_t>(i)].byDefault;
        text_->ShowFlag(FlagKey(i));
    }
    text_->ApplyTextOptions();
}

void frmTu_K::closeEvent(QCloseEvent* event) {
    // A run in progress stops after the page it is writing; the run's own handler then
    // returns without a word and the process ends.
    if (Program().lMaking)
        closingDuringRun_ = true;
    Form_QueryUnload();
    event->accept();
}

// Every close keeps the window's placement and the target folder, except while pages are
// being made; the close itself is never refused.
void frmTu_K::Form_QueryUnload() {
    if (Program().lMaking || !store_)
        return;
    WindowPlacement& place = Program().placement;
    // A Wayland client cannot learn where its window is; its position stays as stored.
    const bool positionKnown =
        !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    place = PlacementAtClose(place, isMinimized() ? std::nullopt : std::optional(frameGeometry()),
                             scale_.Dpi(), positionKnown);
    SaveShutdownSettings(*store_, place, Program().page.TargetFolder, TargetSave());
    const QString reason = store_->Flush();
    if (!reason.isEmpty())
        TellNotSaved(reason);
}

} // namespace tuk
