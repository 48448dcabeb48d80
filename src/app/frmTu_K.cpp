// Building the window, start-up and the close.
#include "app/frmTu_K.h"

#include "app/ClientArea.h"
#include "app/MenuKeys.h"
#include "app/PlacementKeeper.h"
#include "app/RunController.h"
#include "app/SettingsBinder.h"
#include "app/StatusPanels.h"
#include "app/icons/AppIcon.h"
#include "app/start/StartArguments.h"
#include "app/toolbar/Toolbar.h"
#include "foldertree/widgets/FolderTree.h"
#include "style/widgets/ColorEditor.h"
#include "style/widgets/TextOptions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QToolButton>
#include <utility>

namespace tuk {

namespace {

constexpr int kToolbarHeight = 420; // twips

} // namespace

frmTu_K::frmTu_K(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmTu_K"));
    setWindowTitle(QStringLiteral("tu_k"));
    setWindowIcon(AppIcon());
    BuildMenus();

    tb_ = new Toolbar(scale_.Px(kToolbarHeight), this);
    addToolBar(Qt::TopToolBarArea, tb_);
    connect(tb_, &Toolbar::ButtonClicked, this, &frmTu_K::RunCommand);

    status_ = new StatusPanels(this);
    setStatusBar(status_);

    client_ = new ClientArea(scale_, this);
    setCentralWidget(client_);
    connect(client_->TV(), &FolderTree::FolderChosen, this, [this](const QString& folder) {
        if (run_->State().making)
            return;
        history_.Chosen(folder, TV()->MovingByKey());
        run_->ChooseFolder(folder);
    });
    connect(client_->TV(), &FolderTree::TopNodeClicked, this, [this] {
        if (!run_->State().making)
            run_->ClearFolderPanels();
    });

    settings_ = std::make_unique<SettingsBinder>(dialogs_, *Text(), *Colors(),
                                                 [this] { ShowMenuOptions(); });
    run_ = std::make_unique<RunController>(dialogs_, *status_, *File1(),
                                           [this] { ShowCommandState(); });
    connect(status_, &StatusPanels::StopClicked, this, [this] { run_->Stop(); });
    placement_ = std::make_unique<PlacementKeeper>(
        *this, scale_.Dpi(), [this](const QSize& room) { client_->FitWindowInto(room); });
    InstallMenuKeys();
    // Sets the window's minimum size from the client area's, the menu, toolbar and status bar.
    layout()->activate();
    setAcceptDrops(true);
}

frmTu_K::~frmTu_K() = default;

void frmTu_K::InstallMenuKeys() {
    auto* keys = new MenuKeys(*this);
    client_->installEventFilter(keys);
    for (QAbstractButton* button : client_->StylePanel()->findChildren<QAbstractButton*>())
        button->installEventFilter(keys);
    for (QComboBox* box : client_->StylePanel()->findChildren<QComboBox*>())
        box->installEventFilter(keys);
}

// Start-up in its fixed order; a step that fails is told and the next one runs. The
// designed minimum size needs no step: it is the constants nMinWidth and nMinHeight.
void frmTu_K::Form_Load() {
    RunStep([this] { client_->SetTreeMargins(); });
    RunStep([this] { settings_->Open(); });
    RunStep([this] { settings_->Load(); });
    RunStep([this] { settings_->ReadFolderHistory(history_); });
    RunStep([this] { placement_->Apply(Program().placement); });
    RunStep([this] { tb_->BuildButtons(); }); // Qt's toolbar is flat without a divider already
    RunStep([this] { Text()->SetUp(); });
    RunStep([this] { Colors()->SetUpSwatches(); });
    RunStep([this] { TV()->BuildFolderTree(); });
    RunStep([this] { run_->RefreshImageList(); });
    RunStep([this] { show(); });
    RunStep([this] { Colors()->optBack_Click(); });
    RunStep([this] { Colors()->ApplyColors(); });
    RunStep([this] { ChooseStartFolder(); });
    started_ = true;
    ChooseHandedFolder();
}

void frmTu_K::ChooseStartFolder() {
    if (!startFolder_.isEmpty()) {
        const QString problem = FolderProblem(startFolder_);
        if (problem.isEmpty()) {
            TV()->ChooseFolder(startFolder_);
            return;
        }
        dialogs_.Tell(problem);
    }
    // The last folder may be on a volume that is gone now: then the start is as it always was.
    if (!history_.Last().isEmpty() && FolderProblem(history_.Last()).isEmpty())
        TV()->ChooseFolder(history_.Last());
}

void frmTu_K::TakeHandedFolder(const QString& folder) {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    if (!folder.isEmpty()) {
        handedFolder_ = folder;
        ChooseHandedFolder();
    }
}

// A folder chosen during a run or under a modal box would change what they work on.
void frmTu_K::ChooseHandedFolder() {
    if (handedFolder_.isEmpty() || !started_ || run_->State().making)
        return; // the end of start-up and of a run try again
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(200, this, &frmTu_K::ChooseHandedFolder);
        return;
    }
    const QString folder = std::exchange(handedFolder_, QString());
    if (FolderProblem(folder).isEmpty()) // it may have gone since it was handed over
        TV()->ChooseFolder(folder);
}

void frmTu_K::dragEnterEvent(QDragEnterEvent* event) {
    if (!run_->State().making && !DroppedFolder(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void frmTu_K::dropEvent(QDropEvent* event) {
    const QString folder = DroppedFolder(event->mimeData()->urls());
    if (run_->State().making || folder.isEmpty() || !FolderProblem(folder).isEmpty())
        return;
    event->acceptProposedAction();
    TV()->ChooseFolder(folder);
}

void frmTu_K::RunStep(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& failure) {
        dialogs_.Tell(QString::fromStdString(failure.what()));
    }
}

QToolBar* frmTu_K::TB() const {
    return tb_;
}

void frmTu_K::SetStatusText(StatusPanel panel, const QString& text) {
    status_->SetPanelText(panel, text);
}

QString frmTu_K::StatusText(StatusPanel panel) const {
    return status_->PanelText(panel);
}

FolderTree* frmTu_K::TV() const {
    return client_->TV();
}

QListWidget* frmTu_K::File1() const {
    return client_->File1();
}

ColorEditor* frmTu_K::Colors() const {
    return client_->Colors();
}

TextOptions* frmTu_K::Text() const {
    return client_->Text();
}

const QString& frmTu_K::sFolder() const {
    return run_->sFolder();
}

bool frmTu_K::lHtmlView() const {
    return run_->State().hasPages;
}

bool frmTu_K::lMaking() const {
    return run_->State().making;
}

void frmTu_K::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    placement_->FitToFrame();
}

void frmTu_K::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    placement_->FitToFrame();
}

void frmTu_K::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placement_->FitToFrame();
}

void frmTu_K::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        placement_->FitToFrame();
}

void frmTu_K::closeEvent(QCloseEvent* event) {
    // A run in progress stops after the page it is writing; the run's own handler then
    // returns without a word and the process ends.
    run_->StopForClose();
    Form_QueryUnload();
    event->accept();
}

// Every close keeps the window's placement and the target folder, except while pages are
// being made; the close itself is never refused.
void frmTu_K::Form_QueryUnload() {
    if (run_->State().making || !settings_->IsOpen())
        return;
    Program().placement = placement_->AtClose(Program().placement);
    settings_->WriteFolderHistory(history_);
    settings_->SaveAtClose(Program().placement);
}

} // namespace tuk
