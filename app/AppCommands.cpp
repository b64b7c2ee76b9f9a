#include "AppCommands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QUrl>
#include <algorithm>
#include <cstring>
#include <ctime>

#include "AppContext.h"
#include "ApplyTown.h"
#include "ChartDirectionOptions.h"
#include "CommandIds.h"
#include "Prompts.h"
#include "FileFilterQt.h"
#include "FixedText.h"
#include "JoinPath.h"
#include "OptionsFile.h"
#include "PrintCommand.h"
#include "QtText.h"
#include "RadixData.h"
#include "StringIds.h"
#include "TAboutDialog.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TAstroStatusBar.h"
#include "TBirthDialog.h"
#include "TDatabaseDialog.h"
#include "TColorsDialog.h"
#include "TDisplayDialog1.h"
#include "TDisplayDialog2.h"
#include "TSymbolsDialog.h"
#include "TDignsDialog.h"
#include "TOrbisesDialog.h"
#include "TScoresDialog.h"
#include "DignityDegreeTable.h"
#include "TRadixWindow.h"
#include "TownDatabase.h"

namespace {


// "Now" in the default town's zone: the clock's Universal Time shown in the town's clock.
BirthMoment momentNow(const AppContext& ctx) {
    BirthMoment moment = BirthMoment::now();
    const std::string_view defaultTown = fixedText(ctx.options().default_town);
    if (const TownRecord* town = defaultTown.empty() ? nullptr : FindTown(ctx.towns, defaultTown))
        ApplyTown(ctx.towns, *town, moment, ApplyZoneAlways);
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    const BirthMoment universal = BirthMoment::atClock(utc);
    moment.utDate = universal.localDate;
    moment.utTime = universal.localTime;
    moment.universalToLocal();
    return moment;
}

}  // namespace

AppCommands::AppCommands(AppContext& ctx, TAstroFrame& frame, std::function<void(std::uint16_t)> switchLanguage)
    : QObject(&frame), m_ctx(ctx), m_frame(frame), m_switchLanguage(std::move(switchLanguage)),
      m_printSession(std::make_unique<PrintSession>()) {}

AppCommands::~AppCommands() = default;

TAstroClient& AppCommands::client() const { return *m_frame.client(); }
THoroWindow* AppCommands::activeWindow() const { return client().activeWindow(); }
TRadixWindow* AppCommands::activeChart() const { return client().activeChart(); }
bool AppCommands::hasChart() const { return activeWindow() != nullptr; }
bool AppCommands::hasNatalChart() const { return activeWindow() && activeWindow()->isNatalChart() && activeChart(); }

void AppCommands::newChart() {
    auto record = std::make_unique<RadixData>();
    setFixedText(record->horType, m_ctx.strings().str(StrId::TypeRadix));
    record->moment = momentNow(m_ctx);
    ChartBlocks blocks;
    blocks.directions = chartDirectionSettings(m_ctx.options());
    TBirthDialog dialog(&m_frame, m_ctx, *record, blocks.lifeEvents);
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TRadixWindow* window = TRadixWindow::fromData(m_ctx, *record, blocks);
    client().addChart(window);
    QApplication::restoreOverrideCursor();
}

void AppCommands::personalData() {
    TRadixWindow* chart = activeChart();
    const LifeEventList events = chart->blocks().lifeEvents;
    TBirthDialog dialog(&m_frame, m_ctx, chart->chart(), chart->blocks().lifeEvents);
    const bool accepted = m_ctx.prompts().runModal(dialog) == QDialog::Accepted;
    // The life events are changed by their own OK; a chart whose events changed must ask to be
    // saved even when the personal data were cancelled.
    const bool eventsChanged = std::memcmp(&events, &chart->blocks().lifeEvents, sizeof events) != 0;
    if (!accepted && !eventsChanged)
        return;
    chart->chartChanged();
    m_frame.refreshStatus();
}

void AppCommands::open() {
    std::string path;
    TDatabaseDialog dialog(&m_frame, m_ctx, path);
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    // A file that is open already is shown, not opened a second time: two windows on one
    // file would overwrite each other's changes.
    if (TRadixWindow* open = client().chartOfFile(file)) {
        client().setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        open->setFocus();
        return;
    }
    // The file may have gone since the browser checked it, or be damaged: then no window
    // opens and the message says which file and what is wrong.
    QString error;
    if (TRadixWindow* window = TRadixWindow::fromFile(m_ctx, file, &error)) {
        client().addChart(window);
        return;
    }
    m_ctx.errors.error(&m_frame, error);
}

void AppCommands::save() { activeChart()->save(); }
void AppCommands::saveAs() { activeChart()->saveAs(); }
void AppCommands::print() { PrintCommand{&m_frame, *activeChart(), m_ctx, *m_printSession}.run(); }
void AppCommands::exit() { m_frame.close(); }

void AppCommands::lendProgramKeys(QWidget& window) {
    const auto lend = [&window](QAction* command, const QKeySequence& key) {
        if (!command)
            return;
        auto* action = new QAction(&window);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, command, &QAction::trigger);
        window.addAction(action);
    };
    lend(m_frame.commands()->action(CM_EXIT), QKeySequence(Qt::CTRL | Qt::Key_Q));
    lend(m_frame.commands()->action(CM_MANUAL), QKeySequence(Qt::Key_F1));
}

void AppCommands::optionsChanged() {
    m_ctx.autosaveOptions(&m_frame);
    client().recomputeAll();
    m_frame.refreshStatus();
}

void AppCommands::setHouseSystem(int system) {
    m_ctx.options().housecalc = static_cast<std::uint8_t>(system);
    optionsChanged();
}

void AppCommands::setNodeType(int type) {
    m_ctx.options().nodetype = static_cast<std::uint8_t>(type);
    optionsChanged();
}

void AppCommands::toggleAutoSave() {
    TOptions& o = m_ctx.options();
    o.autosave = !o.autosave;
    m_ctx.saveSettings(&m_frame);
    // Turned on, it writes what was changed meanwhile; turned off, nothing has changed yet.
    if (o.autosave)
        m_ctx.writeOptions(&m_frame);
}

void AppCommands::saveOptions() {
    TOptions& o = m_ctx.options();
    // Proposed and completed with .zdo, as Save does with .hor.
    const QString path =
        m_ctx.prompts().saveFile(&m_frame, m_ctx.text(StrId::SaveOptions), QString::fromStdString(o.options_file.data()),
                                 qtFileFilter(m_ctx.state.FileFilters[FilterOptions]), QStringLiteral("zdo"));
    if (path.isEmpty())
        return;
    TOptions saved = o;
    // Paths stay in the file system's own encoding; names and texts are Windows-1250.
    const std::string native = path.toStdString();
    const QString failed = tr("The options could not be saved to %1.").arg(path);
    if (native.size() >= saved.options_file.size()) {
        m_ctx.errors.error(&m_frame, failed);
        return;
    }
    saved.options_file.fill('\0');
    std::copy(native.begin(), native.end(), saved.options_file.begin());
    // A failed write is said so; the current options file stays as it was.
    if (!WriteOptions(saved)) {
        m_ctx.errors.error(&m_frame, failed);
        return;
    }
    o.options_file = saved.options_file;
    m_ctx.setOptionsUnsaved(false);
    m_ctx.saveSettings(&m_frame);
    m_ctx.showStatus(m_ctx.text(StrId::OptionsSavedTo).replace(QStringLiteral("%s"), path));
}

void AppCommands::retrieveOptions() {
    AppState& s = m_ctx.state;
    const QString path = m_ctx.prompts().openFile(&m_frame, m_ctx.text(StrId::RetrieveOptions),
                                                  QString::fromStdString(s.Options.options_file.data()),
                                                  qtFileFilter(s.FileFilters[FilterOptions]));
    if (!path.isEmpty())
        retrieveOptionsFrom(path);
}

void AppCommands::retrieveOptionsFrom(const QString& path) {
    AppState& s = m_ctx.state;
    // The options read replace the current ones: changes not yet written are asked about.
    if (!m_ctx.mayDiscardOptions(&m_frame, m_ctx.text(StrId::RetrieveOptions)))
        return;
    std::string dignityMessage;
    std::string refusal;  // a file too large or no regular file, refused unread
    if (!ReadOptions(s.Options, s.ProgramFolder, s.Strings, path.toStdString(), &dignityMessage, &refusal)) {
        if (refusal.empty())
            m_ctx.errors.errorId(&m_frame, StrId::NotAnOptionsFile);
        else
            m_ctx.errors.error(&m_frame, fromCp1250(refusal));
        return;
    }
    m_ctx.setOptionsUnsaved(false);
    m_ctx.saveSettings(&m_frame);
    m_frame.optionsLookChanged();
    client().recomputeAll();
    m_frame.refreshStatus();
    // The options are in force; a fault in the dignity data file read with them is said as at
    // start-up, once the charts show the new options.
    if (!dignityMessage.empty())
        m_ctx.errors.error(&m_frame, fromCp1250(dignityMessage));
}

void AppCommands::recomputeWaiting() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    client().recomputeAll();
    QApplication::restoreOverrideCursor();
}

void AppCommands::editOrbs() {
    TOrbisesDialog dialog(&m_frame, m_ctx.errors, TOrbisesDialog::Orbs::of(m_ctx.options()), m_choices.aspect);
    const int result = m_ctx.prompts().runModal(dialog);
    m_choices.aspect = dialog.aspect();
    if (result != QDialog::Accepted)
        return;
    const TOptions before = m_ctx.options();
    dialog.orbs().applyTo(m_ctx.options());
    m_ctx.autosaveOptions(&m_frame, before);
    recomputeWaiting();
}

void AppCommands::editDignities() {
    TDignsDialog dialog(&m_frame, TDignsDialog::Dignities::of(m_ctx.options()), m_choices.dignityBody,
                        m_choices.dignityKind);
    const int result = m_ctx.prompts().runModal(dialog);
    m_choices.dignityBody = dialog.body();
    m_choices.dignityKind = dialog.kind();
    if (result != QDialog::Accepted)
        return;
    const TOptions before = m_ctx.options();
    dialog.dignities().applyTo(m_ctx.options());
    RebuildDignityDegreeTable(m_ctx.options());
    m_ctx.autosaveOptions(&m_frame, before);
    // The dignity states are part of each computed chart.
    recomputeWaiting();
}

void AppCommands::editScores() {
    TScoresDialog dialog(&m_frame, m_ctx.errors, m_ctx.options().scores);
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    const TOptions before = m_ctx.options();
    m_ctx.options().scores = dialog.scores();
    m_ctx.autosaveOptions(&m_frame, before);
    // The distribution tables add the scores up as they are drawn.
    client().repaintAll();
}

void AppCommands::takeDisplayOptions(const TOptions& edited) {
    const TOptions before = m_ctx.options();
    m_ctx.options() = edited;
    m_ctx.autosaveOptions(&m_frame, before);
    m_frame.optionsLookChanged();
}

void AppCommands::editDisplay1() {
    TDisplayDialog1 dialog(&m_frame, m_ctx.options(), m_ctx.errors);
    if (m_ctx.prompts().runModal(dialog) == QDialog::Accepted)
        takeDisplayOptions(dialog.options());
}

void AppCommands::editDisplay2() {
    TDisplayDialog2 dialog(&m_frame, m_ctx.options());
    if (m_ctx.prompts().runModal(dialog) == QDialog::Accepted)
        takeDisplayOptions(dialog.options());
}

void AppCommands::editSymbols() {
    TSymbolsDialog dialog(&m_frame, m_ctx.options());
    if (m_ctx.prompts().runModal(dialog) == QDialog::Accepted)
        takeDisplayOptions(dialog.options());
}

void AppCommands::editColors() {
    TColorsDialog dialog(&m_frame, m_ctx.options(), m_ctx.strings());
    if (m_ctx.prompts().runModal(dialog) == QDialog::Accepted)
        takeDisplayOptions(dialog.options());
}

void AppCommands::arrangeIcons() {
    // Minimised windows line up along the bottom edge, left to right.
    int x = 0;
    for (QMdiSubWindow* w : client().subWindowList()) {
        if (!w->isMinimized())
            continue;
        w->move(x, client().viewport()->height() - w->height());
        x += w->width();
    }
}

void AppCommands::closeAll() { client().closeAllCharts(); }

void AppCommands::closeActive() {
    if (QMdiSubWindow* sub = client().activeSubWindow())
        sub->close();
}

void AppCommands::navigate(int id) {
    THoroWindow* w = activeWindow();
    if (!w)
        return;
    switch (id) {
    case CM_NAV_UP: w->pan(0, 20); break;
    case CM_NAV_DOWN: w->pan(0, -20); break;
    case CM_NAV_LEFT: w->pan(20, 0); break;
    case CM_NAV_RIGHT: w->pan(-20, 0); break;
    case CM_NAV_PAGEUP: w->pan(0, 200); break;
    case CM_NAV_PAGEDOWN: w->pan(0, -200); break;
    case CM_NAV_PAGELEFT: w->pan(200, 0); break;
    case CM_NAV_PAGERIGHT: w->pan(-200, 0); break;
    case CM_NAV_STEPFORWARD: w->keypadStep(1); break;
    case CM_NAV_STEPBACK: w->keypadStep(-1); break;
    case CM_NAV_STEPFORWARD10: w->keypadStep(5); break;
    case CM_NAV_STEPBACK10: w->keypadStep(-5); break;
    case CM_NAV_ZOOMIN: w->zoomBy(0.2); break;
    case CM_NAV_ZOOMOUT: w->zoomBy(-0.2); break;
    case CM_NAV_INNEROUTER: toggleInnerOuter(); break;
    case CM_NAV_RESET: w->resetCurrentOffset(); break;
    default: break;  // the plain keypad * and / are reserved
    }
}

void AppCommands::toggleInnerOuter() {
    // Which chart lies outside when two are collated: every bi-wheel turns inside out at once.
    TOptions& o = m_ctx.options();
    o.display.outerradix = !o.display.outerradix;
    m_frame.update();
    client().repaintAll();
}

void AppCommands::openManual() {
    const AppState& s = m_ctx.state;
    const QString path = fromCp1250(JoinPath(s.ProgramFolder, nativeSeparators(s.Strings[StrId::ManualPath])));
    // Without the file the viewer would show nothing or a message of its own, if anything.
    if (!QFileInfo(path).isFile()) {
        m_ctx.errors.error(&m_frame, m_ctx.text(StrId::ManualMissing).replace(QStringLiteral("%s"), path));
        return;
    }
    if (m_ctx.openUrl(QUrl::fromLocalFile(path)))
        return;
    // No program took the file: the user is told what is needed and may open the folder, to
    // read the manual with a viewer of their own choice.
    const QString folder = QFileInfo(path).absolutePath();
    const QString question = tr("The manual %1 could not be opened: a PDF viewer is needed to read it.\n\n"
                                "Show the folder of the manual?")
                                 .arg(QDir::toNativeSeparators(path));
    if (m_ctx.prompts().askYesNo(&m_frame, tr("Manual"), question) && !m_ctx.openUrl(QUrl::fromLocalFile(folder)))
        m_ctx.errors.error(&m_frame, tr("The folder %1 could not be opened.").arg(QDir::toNativeSeparators(folder)));
}

void AppCommands::openWebsite() { m_ctx.openUrl(QUrl(m_ctx.text(StrId::WebsiteUrl))); }

void AppCommands::about() {
    TAboutDialog dialog(&m_frame, m_ctx);
    m_ctx.prompts().runModal(dialog);
}
