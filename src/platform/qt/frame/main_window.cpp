#include "platform/qt/frame/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <new>

#include "core/window_names.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/entry/entry_window.h"
#include "platform/qt/entry/result_list_window.h"
#include "platform/qt/frame/about_window.h"
#include "platform/qt/frame/bundled_import.h"
#include "platform/qt/frame/data_folder.h"
#include "platform/qt/frame/draw_update_command.h"
#include "platform/qt/frame/help_window.h"
#include "platform/qt/frame/history_commands.h"
#include "platform/qt/frame/mdi_arrange.h"
#include "platform/qt/frame/settings_dialog.h"
#include "platform/qt/prediction/prediction_window.h"
#include "platform/qt/tickets/tickets_window.h"
#include "platform/store/database.h"
#include "windows/window_placement.h"
#include "windows/window_table.h"

namespace n3 {

namespace {

// The game a window opens for: the chosen one for a window of the table
// or a menu item written for it; the first game for the others (the ticket
// book holds every game's tickets, the about box none).
const Game& GameOfWindow(std::string_view windowClass, const Game& chosen) {
    const AnalysisWindowInfo* info = FindAnalysisWindow(windowClass);
    if (info && ServesGame(*info, chosen)) return chosen;
    return OpensWindowFor(windowClass, chosen) ? chosen : kNumbers3;
}

}  // namespace

MainWindow::MainWindow(std::string databasePath, std::string settingsPath, QWidget* parent)
    : QMainWindow(parent),
      databasePath_(std::move(databasePath)),
      settings_(std::move(settingsPath)),
      commands_(*this),
      prediction_(settings_) {
    setObjectName(QStringLiteral("MainCommands"));
    setWindowTitle(QStringLiteral("ナンバーズ3ズバリン Lite"));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("windowArea"));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    buildMenus();
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::showMenusOf);
    connect(this, &MainWindow::historyChanged, this, &MainWindow::showMissingDraws);
    KeepChildrenInsideOnResize(mdi_);
    AddCloseActiveChildAction(this, mdi_);
    restorePlacement();
}

HelpWindow* MainWindow::helpWindow() const { return help_.data(); }

MainWindow::~MainWindow() {
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(mdi_, nullptr, this, nullptr);
    ending_ = true;
    // Children go while the maps they report to still exist. Their frames'
    // destroyed() no longer reaches us: frames closed but not yet deleted
    // go only after the maps, with the widget tree.
    for (QMdiSubWindow* sub : findChildren<QMdiSubWindow*>()) disconnect(sub, &QObject::destroyed, this, nullptr);
    qDeleteAll(mdi_->subWindowList());
    delete help_;
}

bool MainWindow::startUp() {
    // No file is the first run: every option off, nothing to say.
    const SettingsFileResult settings = settings_.Read();
    if (!settings.ok())
        dialogs::Message(this, QString::fromStdString(settings.error), Q(kMessageTitle), dialogs::Icon::Critical);
    restorePlacement();
    try {
        database_ = Database::Open(databasePath_, true);
    } catch (const StoreError& e) {
        dialogs::Message(this, QString::fromStdString(e.what()), Q(kMessageTitle), dialogs::Icon::Critical);
        return false;
    }
    // The book follows its own model; draws and results give a new snapshot.
    database_->setChangeListener([this](DataChange what) {
        if (what != DataChange::Tickets) refreshHistory();
    });
    watchOtherWriters();
    ShowCheckAtStartSetting(*this);
    // New draws from the bank, before the history is loaded: offered after
    // the first start's import, or looked for at every start when the
    // setting is on.
    FillInBundledResults(this, *database_, bundledDataFolder_);
    if (OfferBundledHistory(this, *database_, bundledDataFolder_))
        OfferLatestDraws(*this);
    else
        CheckLatestDrawsAtStart(*this);
    // The game chosen last; a value this version does not know is ナンバーズ3.
    const std::string lastGame = setting(settings_keys::kLastGame);
    const Game* game =
        lastGame.size() == 1 && lastGame[0] >= '0' && lastGame[0] <= '9' ? GameById(lastGame[0] - '0') : nullptr;
    chooseGame(game ? *game : kNumbers3);
    if (!loadSnapshot()) return false;
    warnNearClaimDeadlines();
    return true;
}

// The start-up load: a new snapshot of the history and its statistics, or
// the reason it cannot be read (the old snapshot then stays).
bool MainWindow::loadSnapshot() {
    BeginWait();
    yieldOnce();
    try {
        snapshot_ = std::make_shared<const HistorySnapshot>(database_->ReadSnapshot());
    } catch (const StoreError& e) {
        EndWait();
        dialogs::Message(this, QString::fromStdString(e.what()), Q(kMessageTitle), dialogs::Icon::Critical);
        return false;
    } catch (const std::bad_alloc&) {
        EndWait();
        dialogs::Message(this, QStringLiteral("メモリが足りません。当選データを読み込めません。"), Q(kMessageTitle),
                         dialogs::Icon::Critical);
        return false;
    }
    for (auto& [id, other] : otherGames_) other = readOtherGame(*GameById(id));
    commands_.setEntryFree(true);
    EndWait();
    emit historyChanged();
    return true;
}

std::shared_ptr<const HistorySnapshot> MainWindow::readOtherGame(const Game& game) const {
    if (database_) try {
            return std::make_shared<const HistorySnapshot>(database_->ReadSnapshot(game));
        } catch (const std::exception&) {
            // Left empty: a game whose tables cannot be read shows no draws.
        }
    auto none = std::make_shared<HistorySnapshot>();
    none->game = &game;
    return none;
}

std::shared_ptr<const HistorySnapshot> MainWindow::sharedSnapshotOf(const Game& game) const {
    if (&game == &kNumbers3) return snapshot_;
    auto& other = otherGames_[game.id];
    if (!other) other = readOtherGame(game);
    return other;
}

void MainWindow::chooseGame(const Game& game) {
    game_ = &game;
    setWindowTitle(QStringLiteral("ナンバーズ3ズバリン Lite") + Q(game.captionSuffix));
    if (QAction* item = menuAction(Q("game" + std::to_string(game.id)))) item->setChecked(true);
    enableItemsFor(game);
}

void MainWindow::enableItemsFor(const Game& game) {
    std::function<void(const std::vector<MenuItem>&)> walk = [&](const std::vector<MenuItem>& items) {
        for (const MenuItem& item : items) {
            if (QAction* action = menuAction(Q(item.name)); action && item.children.empty())
                action->setEnabled(ServesGame(item, game));
            walk(item.children);
        }
    };
    walk(MenuTree());
}

// Writes come in bursts (a row's three digits, an import's rows): the
// snapshot is rebuilt once, when the burst is over.
void MainWindow::refreshHistory() {
    if (snapshotPending_) return;
    snapshotPending_ = true;
    QTimer::singleShot(0, this, &MainWindow::followDatabase);
}

void MainWindow::followDatabase() {
    // A reload in between has read the history already.
    if (!snapshotPending_) return;
    snapshotPending_ = false;
    if (!database_ || ending_) return;
    // A draw typed up to its second digit is not news yet: the windows
    // follow once its row is complete or the entry window closes.
    for (const auto& [windowClass, frame] : children_) {
        auto* sub = qobject_cast<QMdiSubWindow*>(frame.data());
        auto* open = sub ? qobject_cast<ChildWindow*>(sub->widget()) : nullptr;
        if (open && open->holdsHistory()) {
            historyHeld_ = true;
            return;
        }
    }
    historyHeld_ = false;
    try {
        snapshot_ = std::make_shared<const HistorySnapshot>(database_->ReadSnapshot());
    } catch (const std::exception&) {
        // A history the strict read refuses (a digit being mended in the
        // entry window) keeps the last good snapshot.
        return;
    }
    for (auto& [id, other] : otherGames_) other = readOtherGame(*GameById(id));
    emit historyChanged();
}

bool MainWindow::entryWindowIsFree() { return commands_.RequireNoEntryWindow(child(Q(windows::kEntry)) != nullptr); }

// ---------------------------------------------------------------- menus

QAction* MainWindow::buildAction(const MenuItem& item, QObject* parent) {
    auto* action = new QAction(Q(item.caption), parent);
    action->setObjectName(Q(item.name));
    action->setVisible(item.visible);
    if (!item.shortcut.empty()) {
        action->setShortcut(QKeySequence(Q(item.shortcut)));
        // The key works while a child's own menus stand in the menu bar too.
        addAction(action);
    }
    if (item.command == Command::ChooseGame) {
        action->setCheckable(true);
        if (!games_) games_ = new QActionGroup(this);
        games_->addAction(action);
        action->setChecked(item.game == game_->id);
    }
    connect(action, &QAction::triggered, this, [this, &item] { run(item); });
    actions_[Q(item.name)] = action;
    return action;
}

QMenu* MainWindow::buildMenu(const MenuItem& item) {
    auto* menu = new QMenu(Q(item.caption), this);
    menu->setObjectName(Q(item.name));
    actions_[Q(item.name)] = menu->menuAction();
    for (const MenuItem& child : item.children) {
        if (child.children.empty())
            menu->addAction(buildAction(child, menu));
        else
            menu->addMenu(buildMenu(child));
    }
    return menu;
}

void MainWindow::buildMenus() {
    for (const MenuItem& item : MenuTree()) {
        QAction* top = item.children.empty() ? buildAction(item, this) : buildMenu(item)->menuAction();
        mainMenuActions_ << top;
        menuBar()->addAction(top);
    }
    if (QAction* windowMenu = menuAction(QStringLiteral("windowMenu")); windowMenu && windowMenu->menu()) {
        QMenu* menu = windowMenu->menu();
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { ListOpenWindows(menu, mdi_); });
    }
}

QAction* MainWindow::menuAction(const QString& menuName) const {
    const auto it = actions_.find(menuName);
    return it == actions_.end() ? nullptr : it->second;
}

bool MainWindow::trigger(const QString& menuName) {
    QAction* action = menuAction(menuName);
    if (!action || action->menu()) return false;
    action->trigger();
    return true;
}

// Children with menus of their own (当選データ入力, 購入記録) add them to
// the main menus while they are active, before ウィンドウ(&W): every main
// menu and its access key keeps working beside the window's own.
void MainWindow::showMenusOf(QMdiSubWindow* active) {
    if (ending_) return;
    auto* child = active ? qobject_cast<ChildWindow*>(active->widget()) : nullptr;
    const QList<QMenu*> own = child ? child->ownMenus() : QList<QMenu*>();
    QAction* windowMenu = menuAction(QStringLiteral("windowMenu"));
    menuBar()->clear();
    for (QAction* a : mainMenuActions_) {
        if (a == windowMenu)
            for (QMenu* m : own) menuBar()->addMenu(m);
        menuBar()->addAction(a);
    }
}

void MainWindow::run(const MenuItem& item) {
    // The command boundary: a command that runs out of memory ends with a
    // message, and the program and its data stay as they were.
    const int waitDepth = waitDepth_;
    try {
        runCommand(item);
    } catch (const std::bad_alloc&) {
        while (waitDepth_ > waitDepth) EndWait();
        dialogs::Message(this, QStringLiteral("メモリが足りません。操作を中止しました。"), Q(kMessageTitle),
                         dialogs::Icon::Critical);
    }
}

void MainWindow::runCommand(const MenuItem& item) {
    switch (item.command) {
    case Command::End: close(); break;
    case Command::Predict:
    case Command::OpenAnalysis:
    case Command::About:
    case Command::Tickets: commands_.OpenWindow(item.window); break;
    case Command::OpenEntry: commands_.OpenEntryWindow(); break;
    case Command::TileHorizontal: tileStacked(true); break;
    case Command::TileVertical: tileStacked(false); break;
    case Command::Cascade: CascadeAtOwnSizes(mdi_); break;
    case Command::ArrangeIcons: arrangeIcons(); break;
    case Command::HelpFile: openHelp(activeHelpKeywords()); break;
    case Command::Print: printActive(); break;
    case Command::ImportCsv: ImportHistoryCsv(*this); break;
    case Command::ExportCsv: ExportHistoryCsv(*this); break;
    case Command::Reload: ReloadHistory(*this); break;
    case Command::FetchLatest: FetchLatestDraws(*this); break;
    case Command::CheckAtStart: ToggleCheckAtStart(*this); break;
    case Command::ChooseGame:
        if (const Game* game = GameById(item.game)) {
            chooseGame(*game);
            if (setting(settings_keys::kLastGame) != std::to_string(game->id))
                setSetting(settings_keys::kLastGame, std::to_string(game->id));
        }
        break;
    case Command::Settings: EditSettings(*this); break;
    case Command::DataMaintenance:
    case Command::None: break;
    }
}

// ------------------------------------------------------------- children

void MainWindow::registerChild(const QString& windowClass, ChildFactory factory) {
    factories_[windowClass] = std::move(factory);
}

ChildWindow* MainWindow::create(const QString& windowClass, const Game& game) {
    if (const auto it = factories_.find(windowClass); it != factories_.end()) return it->second(*this);
    if (windowClass == Q(windows::kAbout)) return new AboutWindow(*this);
    if (windowClass == Q(windows::kPrediction)) {
        一発ズバリン* prediction = &prediction_;
        if (&game != &kNumbers3) {
            auto& other = otherPredictions_[game.id];
            if (!other) other = std::make_unique<一発ズバリン>(settings_);
            prediction = other.get();
        }
        ChildWindow* window = CreatePredictionWindow(*this, *prediction);
        if (auto* shown = qobject_cast<PredictionWindow*>(window))
            connect(shown, &PredictionWindow::optionFlagsChanged, this, &MainWindow::optionFlagsChanged);
        return window;
    }
    if (windowClass == Q(windows::kEntry)) {
        EntryWindow* entry = static_cast<EntryWindow*>(CreateEntryWindow(*this));
        return entry;
    }
    if (windowClass == QStringLiteral("当選結果一覧")) return new ResultListWindow(*this);
    if (windowClass == Q(windows::kTickets)) {
        TicketsWindow* tickets = CreateTicketsWindow(*this, settings_);
        tickets->setClock(today_);
        connect(this, &MainWindow::historyChanged, tickets, &TicketsWindow::refresh);
        return tickets;
    }
    const QByteArray utf8 = windowClass.toUtf8();
    const AnalysisWindowInfo* info = FindAnalysisWindow(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    if (info && (info->build || info->content)) return new AnalysisWindow(*this, *info);
    return nullptr;
}

QMdiSubWindow* MainWindow::subWindow(const QString& windowClass) const {
    const auto it = children_.find(windowClass);
    return it == children_.end() ? nullptr : qobject_cast<QMdiSubWindow*>(it->second.data());
}

ChildWindow* MainWindow::child(const QString& windowClass) const {
    QMdiSubWindow* sub = subWindow(windowClass);
    return sub ? qobject_cast<ChildWindow*>(sub->widget()) : nullptr;
}

void MainWindow::ShowChild(std::string_view windowClassUtf8) {
    // A window of another game is a window of its own beside the first
    // game's, named by its caption's game.
    const Game& game = GameOfWindow(windowClassUtf8, *game_);
    const QString windowClass = Q(windowClassUtf8) + Q(game.captionSuffix);
    if (QMdiSubWindow* open = subWindow(windowClass)) {
        if (open->isMinimized()) open->showNormal();
        mdi_->setActiveSubWindow(open);
        open->raise();
        return;
    }
    ChildWindow* window = create(Q(windowClassUtf8), game);
    if (!window) return;
    window->setGame(game);
    // Every window follows the history while it is open.
    connect(this, &MainWindow::historyChanged, window, &ChildWindow::followHistory);
    // and the prediction's options as they are switched.
    connect(this, &MainWindow::optionFlagsChanged, window, &ChildWindow::followOptionFlags);

    auto* sub = new QMdiSubWindow;
    sub->setWidget(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(window->windowTitle() + Q(game.captionSuffix));
    sub->setWindowIcon(QApplication::windowIcon());
    // Registered before the load so that a command chosen during its one
    // yield finds the window instead of creating a second one.
    children_[windowClass] = sub;
    connect(window, &ChildWindow::unloaded, this, [this, windowClass, sub] {
        if (subWindow(windowClass) == sub) children_.erase(windowClass);
        if (historyHeld_) refreshHistory();
        emit childrenChanged();
    });
    // By the time `destroyed` arrives the frame is no longer a QMdiSubWindow,
    // so it is recognised by its QObject address only.
    QObject* const identity = sub;
    connect(sub, &QObject::destroyed, this, [this, windowClass, identity] {
        const auto it = children_.find(windowClass);
        if (it != children_.end() && (it->second.isNull() || it->second.data() == identity)) children_.erase(it);
    });

    mdi_->addSubWindow(sub);
    sub->move(0, 0);
    sub->resize(ScaledToScreen(window->designSize(), this));
    RememberOpeningSize(sub);
    LeaveCtrlF4ToTheMainWindow(sub);
    if (window->fixedSize()) {
        sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint);
        sub->setFixedSize(sub->size());
    }
    KeepInside(sub, mdi_->viewport()->rect());
    window->load();
    if (subWindow(windowClass) != sub) return;  // closed while it loaded
    sub->show();
    GrowToContent(sub, window->contentSize());
    mdi_->setActiveSubWindow(sub);
    emit childrenChanged();
}

// ------------------------------------------------------------ the screen

void MainWindow::BeginWait() {
    if (waitDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void MainWindow::EndWait() {
    if (waitDepth_ > 0 && --waitDepth_ == 0) QApplication::restoreOverrideCursor();
}

void MainWindow::yieldOnce() { QCoreApplication::processEvents(); }

void MainWindow::ShowCritical(std::string_view text, std::string_view title) {
    dialogs::Message(this, Q(text), Q(title), dialogs::Icon::Critical);
}

// ------------------------------------------------------------ arranging

void MainWindow::tileStacked(bool oneAboveTheOther) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible() && !w->isMinimized()) windows << w;
    if (windows.isEmpty()) return;
    const QRect area = mdi_->viewport()->rect();
    // A strip keeps room for a title, a line of text and some table rows.
    const int smallest = oneAboveTheOther ? 200 : 360;
    const std::vector<ScreenRect> places =
        TilePlaces(int(windows.size()), {0, 0, area.width(), area.height()}, oneAboveTheOther, smallest);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* w = windows[i];
        if (w->isMaximized()) w->showNormal();
        const ScreenRect& at = places[std::size_t(i)];
        w->setGeometry(at.x, at.y, at.width, at.height);
    }
}

void MainWindow::arrangeIcons() {
    const QRect area = mdi_->viewport()->rect();
    int x = 0, y = area.bottom();
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized()) continue;
        const QSize s = w->size();
        if (x > 0 && x + s.width() > area.width()) {
            x = 0;
            y -= s.height();
        }
        w->move(x, y - s.height() + 1);
        x += s.width();
    }
}

// ------------------------------------------------------------------ help

void MainWindow::openHelp(const QStringList& keywords) {
    const QString path = !helpPath_.isEmpty() ? helpPath_ : HelpDocumentPath();
    if (!help_) {
        auto* help = new HelpWindow;
        if (!help->openDocument(path)) {
            delete help;
            dialogs::Message(this, QStringLiteral("ヘルプファイル「%1」が見つかりません。").arg(path), Q(kMessageTitle),
                             dialogs::Icon::Critical);
            return;
        }
        help_ = help;
    }
    QString keyword = QString::fromUtf8(kHelpStartKeyword);
    for (const QString& k : keywords)
        if (help_->keywords().contains(k)) {
            keyword = k;
            break;
        }
    help_->showKeyword(keyword);
    // Closing the help (Esc, its close button) gives the user back the
    // window they were in; nothing else opens or comes forward.
    if (!help_->isVisible()) help_->holdUserWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

// ------------------------------------------------------------ activation

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        // The main window is active for the first time: the prediction opens.
        QMetaObject::invokeMethod(
            this, [this] { trigger(QStringLiteral("prediction")); }, Qt::QueuedConnection);
    }
}

// --------------------------------------------------------------- reload

bool MainWindow::reload() {
    snapshotPending_ = false;  // read now: nothing left to follow
    return loadSnapshot();
}

// ------------------------------------------------------------------ end

void MainWindow::closeAllChildren() {
    // Every child unloads; nothing stops it.
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        w->close();
        if (auto* child = qobject_cast<ChildWindow*>(w->widget()); child && w->isVisible()) {
            // A child that asked to stay open is closed all the same.
            w->setWidget(nullptr);
            child->forceUnload();
            delete child;
            delete w;
        }
    }
    children_.clear();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Each child is asked first, as closing it alone would ask (a half-typed
    // row in 当選データ入力): the answer to go on keeps the program open.
    if (!ending_)
        for (QMdiSubWindow* w : mdi_->subWindowList())
            if (auto* child = qobject_cast<ChildWindow*>(w->widget()); child && !child->queryUnload()) {
                mdi_->setActiveSubWindow(w);
                event->ignore();
                return;
            }
    ending_ = true;
    closeAllChildren();
    rememberPlacement();
    // Everything the run set is in the settings object: it is written as it stands.
    const SettingsFileResult saved = settings_.Write();
    if (!saved.ok())
        dialogs::Message(this, QString::fromStdString(saved.error), Q(kMessageTitle), dialogs::Icon::Critical);
    if (onUnload_) onUnload_();
    if (help_) help_->close();
    BeginWait();
    yieldOnce();
    EndWait();
    event->accept();
}

}  // namespace n3
