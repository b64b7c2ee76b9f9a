#include "TRadixWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>

#include "ChartDirectionOptions.h"
#include "ChartIndex.h"
#include "ChartView.h"
#include "ComputeRadix.h"
#include "HoroscopeFile.h"
#include "JoinPath.h"
#include "MomentSteps.h"
#include "FileFilterQt.h"
#include "QtText.h"
#include "RadixData.h"
#include "SettingsFile.h"
#include "StringIds.h"
#include "TAstroApp.h"
#include "TDatabaseDialog.h"

namespace {

AppState& state() { return TAstroApp::instance()->state(); }

QString str(int id) { return fromCp1250(state().Strings[id]); }


QString dialogSavePath(QWidget* parent, const QString& caption, const QString& proposed) {
    QFileDialog dialog(parent, caption, proposed, qtFileFilter(state().FileFilters[FilterHoroscope]));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("hor"));
    dialog.selectFile(proposed);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                   : QString();
}

int messageAskSave(QWidget* parent, const QString& question) {
    return QMessageBox::question(parent, QString(), question,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

}  // namespace

TRadixWindow::TRadixWindow() : m_chart(std::make_unique<RadixData>()) {
    setAttribute(Qt::WA_DeleteOnClose);
}

TRadixWindow::~TRadixWindow() = default;

TRadixWindow* TRadixWindow::fromFile(const QString& path, QString* error) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::unique_ptr<TRadixWindow> w(new TRadixWindow);
    w->m_blocks.directions = chartDirectionSettings(state().Options);
    const HoroscopeRead result = ReadHoroscopeFile(path.toStdString(), state().Strings, w->m_blocks.directions,
                                                   *w->m_chart, w->m_blocks);
    QApplication::restoreOverrideCursor();
    if (result != HoroscopeRead::Ok) {
        if (error)
            *error = result == HoroscopeRead::CannotOpen ? QObject::tr("The file %1 cannot be read.").arg(path)
                                                         : QObject::tr("%1 is not a horoscope file.").arg(path);
        return nullptr;
    }
    w->m_path = path;
    w->recompute();
    return w.release();
}

TRadixWindow* TRadixWindow::fromData(const RadixData& personal, const ChartBlocks& blocks) {
    auto* w = new TRadixWindow;
    *w->m_chart = personal;
    w->m_blocks = blocks;
    w->m_modified = true;
    w->recompute();
    return w;
}

std::string TRadixWindow::lastFileEntry() const {
    // The name and type are Windows-1250 like every text; the path keeps the file system's bytes.
    const QString head = QStringLiteral("%1,  %2;   ").arg(fromCp1250(m_chart->name.data()), fromCp1250(m_chart->horType.data()));
    return toCp1250(head) + m_path.toStdString();
}

QString TRadixWindow::caption(bool withMarker) const {
    const QString marker = withMarker && m_modified ? QStringLiteral("* ") : QString();
    return QStringLiteral("%1%2,  %3;   %4")
        .arg(marker, fromCp1250(m_chart->name.data()), fromCp1250(m_chart->horType.data()),
             m_path.isEmpty() ? str(StrId::Untitled) : m_path);
}

void TRadixWindow::updateCaption() {
    setWindowTitle(caption());
}

void TRadixWindow::recompute() {
    m_chart->moment.universalToLocal();
    computeRadix(*m_chart, state().Options);
    m_rows.clear();  // the positions table is rebuilt from the new chart when it is shown
    reportGaps();
    updateCaption();
    update();
    emit changed();
}

void TRadixWindow::reportGaps() {
    // Said once for each new situation, in the status bar: bodies the ephemeris could not
    // compute for this date, and a house system the latitude does not allow.
    QStringList missing;
    for (const int i : unavailableBodies(*m_chart))
        missing << str(chartPointNameId(i));
    const bool houseFallback = m_chart->houseSystemUsed != state().Options.housecalc;
    const QString key = missing.join(',') + (houseFallback ? QStringLiteral("|h") : QString());
    if (key == m_reportedGaps)
        return;
    m_reportedGaps = key;
    QStringList parts;
    if (!missing.isEmpty())
        parts << tr("Not computed for this date (outside the ephemeris files): %1").arg(missing.join(QStringLiteral(", ")));
    if (houseFallback)
        parts << tr("The house system cannot be used at this latitude: Porphyrius houses are shown");
    if (!parts.isEmpty())
        TAstroApp::instance()->showStatusMessage(parts.join(QStringLiteral("; ")));
}

void TRadixWindow::chartChanged() {
    m_modified = true;
    recompute();
}

void TRadixWindow::keypadStep(int step) {
    stepMinutes(m_chart->moment, step == 5 || step == -5 ? 2 * step : step);
    chartChanged();
}

void TRadixWindow::setViewKind(int kind) {
    THoroWindow::setViewKind(kind);
    emit changed();
}

bool TRadixWindow::writeTo(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = WriteHoroscopeFile(path.toStdString(), state().Strings, *m_chart, m_blocks);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        QMessageBox::warning(this, str(StrId::SaveHoroscope), str(StrId::FailedToCreateFile));
        return false;
    }
    m_path = path;
    m_modified = false;
    discardHoroscopeListing();
    updateCaption();
    TAstroApp::instance()->showStatusMessage(str(StrId::HoroscopeSavedTo).replace(QStringLiteral("%s"), path));
    emit changed();
    return true;
}

bool TRadixWindow::save() {
    QString path = m_path;
    if (path.isEmpty()) {
        const AppState& s = state();
        const std::string proposed =
            JoinPath(s.Options.last_directory.data(), DefaultHoroscopeFileName(m_chart->name.data()));
        const auto choose = chooseSavePath ? chooseSavePath : dialogSavePath;
        path = choose(this, str(StrId::SaveHoroscope), QString::fromStdString(proposed));
        if (path.isEmpty())
            return false;
    }
    return writeTo(path);
}

bool TRadixWindow::saveAs() {
    const auto choose = chooseSavePath ? chooseSavePath : dialogSavePath;
    const QString path = choose(this, str(StrId::SaveHoroscopeAs), m_path);
    if (path.isEmpty())
        return false;
    return writeTo(path);
}

bool TRadixWindow::queryClose() {
    AppState& s = state();
    // Every changed chart is asked about, whatever its type: closing must never lose an edit.
    if (!s.StartupFailed && m_modified) {
        const QString question = fromCp1250(s.Strings[StrId::SaveChangedChartQuestion]).replace(QStringLiteral("%s"), caption(false));
        const auto ask = askSave ? askSave : messageAskSave;
        const int answer = ask(this, question);
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::Yes && !save())
            return false;
    }
    if (!m_path.isEmpty()) {
        AddLastFile(s.Options, lastFileEntry());
        TAstroApp::instance()->lastFilesChanged();
    }
    return true;
}

void TRadixWindow::closeEvent(QCloseEvent* event) {
    if (m_closeQueried || queryClose()) {
        m_closeQueried = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void TRadixWindow::focusInEvent(QFocusEvent* event) {
    THoroWindow::focusInEvent(event);
    emit activated(this);
}

int TRadixWindow::smoothingFactor() const {
    const int antialias = state().Options.display.antialias;
    if (viewKind() == ViewWheel)
        return antialias;
    return antialias > 0 ? 1 : 0;
}

void TRadixWindow::drawView(QPainter& painter, const QSize& size, int smoothing) {
    const AppState& s = state();
    const qreal ratio = devicePixelRatioF();
    ViewRequest request = viewRequestFor(static_cast<ChartView>(viewKind()));
    request.offsetX = qRound(offset().x * ratio);
    request.offsetY = qRound(offset().y * ratio);
    request.zoom = offset().zoom;
    request.dpi = 96 * ratio;
    request.strings = &s.Strings;
    if (viewKind() == ViewPositions) {
        if (m_rows.empty())
            buildPositionRows(*m_chart, s.Options, m_rows);
        request.rows = &m_rows;
    }
    if (smoothing < 2)
        m_renderer.releaseLarge();
    if (smoothing == 0) {
        paintChartView(painter, size, 1, *m_chart, s.Options, request);
        return;
    }
    // Drawn into a kept image at the device's full resolution, then copied in one go.
    const QSize device = (QSizeF(size) * ratio).toSize();
    if (m_screen.size() != device)
        m_screen = QImage(device, QImage::Format_RGB32);
    m_renderer.render(m_screen, smoothing, *m_chart, s.Options, request);
    m_screen.setDevicePixelRatio(ratio);
    painter.drawImage(QPoint(0, 0), m_screen);
}
