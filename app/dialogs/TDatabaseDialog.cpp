#include "TDatabaseDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "ChartExchangeCommands.h"
#include "FixedText.h"
#include "HoroscopeDetails.h"
#include "HoroscopeListing.h"
#include "HoroscopeReadMessage.h"
#include "HoroscopeSearch.h"
#include "QtText.h"
#include "AppContext.h"
#include "Prompts.h"
#include "StringIds.h"
#include "THoroComboBox.h"

// A one-line label for a path: shortened in the middle to its width, in full as a tool tip.
class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    void setFullText(const QString& text) {
        m_full = text;
        setToolTip(text);
        elide();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        elide();
    }

private:
    void elide() { setText(fontMetrics().elidedText(m_full, Qt::ElideMiddle, std::max(0, contentsRect().width()))); }

    QString m_full;
};

namespace {

QString nativeText(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }

// Fills the "%s" places of a template in order; an argument is never searched for "%s" itself.
QString fillTemplate(QString text, const QStringList& args) {
    qsizetype from = 0;
    for (const QString& a : args) {
        const qsizetype at = text.indexOf(QStringLiteral("%s"), from);
        if (at < 0)
            break;
        text.replace(at, 2, a);
        from = at + a.size();
    }
    return text;
}

}  // namespace

TDatabaseDialog::TDatabaseDialog(QWidget* parent, AppContext& ctx, std::string& path)
    : TMyDialog(parent),
      m_ctx(ctx),
      m_path(path),
      m_folder(fixedText(m_ctx.state.Options.last_directory)),
      m_list(new THoroComboBox(this)),
      m_folderLabel(new ElidedLabel(this)),
      m_folderCaption(new QLabel(this)),
      m_searchCaption(new QLabel(this)),
      m_change(new QPushButton(this)),
      m_refresh(new QPushButton(this)),
      m_delete(new QPushButton(this)),
      m_export(new QPushButton(this)),
      m_counters(new QLabel(this)),
      m_skipped(new QLabel(this)),
      m_moment(new QLabel(this)),
      m_place(new QLabel(this)),
      m_notesCaption(new QLabel(this)),
      m_notes(new QPlainTextEdit(this)),
      m_details(new QGroupBox(this)) {
    m_ctx.memory.browser.open = this;
    auto* layout = new QVBoxLayout(this);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folderCaption);
    folderRow->addWidget(m_folderLabel, 1);
    folderRow->addWidget(m_change);
    folderRow->addWidget(m_refresh);
    layout->addLayout(folderRow);

    m_searchCaption->setBuddy(m_list->edit());
    layout->addSpacing(4);
    layout->addWidget(m_searchCaption);
    layout->addWidget(m_list, 1);
    m_list->edit()->setMaxLength(MaxSearchText);
    m_list->list()->setMinimumHeight(m_list->fontMetrics().height() * 12);

    auto* countersRow = new QHBoxLayout;
    m_counters->setTextFormat(Qt::PlainText);
    m_skipped->setTextFormat(Qt::PlainText);
    countersRow->addWidget(m_counters);
    countersRow->addSpacing(12);
    countersRow->addWidget(m_skipped, 1);
    countersRow->addWidget(m_export);
    countersRow->addWidget(m_delete);
    layout->addLayout(countersRow);

    auto* details = new QVBoxLayout(m_details);
    for (QLabel* l : {m_moment, m_place}) {
        l->setTextFormat(Qt::PlainText);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setMinimumHeight(l->fontMetrics().height());
        details->addWidget(l);
    }
    QFont bold = m_moment->font();
    bold.setBold(true);
    m_moment->setFont(bold);
    m_notesCaption->setBuddy(m_notes);
    details->addSpacing(4);
    details->addWidget(m_notesCaption);
    m_notes->setReadOnly(true);
    m_notes->setFixedHeight(m_notes->fontMetrics().lineSpacing() * 5 + 2 * m_notes->frameWidth() + 8);
    details->addWidget(m_notes);
    layout->addWidget(m_details);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &TDatabaseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TDatabaseDialog::reject);
    connect(m_change, &QPushButton::clicked, this, &TDatabaseDialog::changeFolder);
    connect(m_refresh, &QPushButton::clicked, this, &TDatabaseDialog::ScanFolder);
    connect(m_delete, &QPushButton::clicked, this, &TDatabaseDialog::DeleteSelected);
    connect(m_export, &QPushButton::clicked, this, &TDatabaseDialog::exportListed);
    connect(m_list, &THoroComboBox::currentRowChanged, this, &TDatabaseDialog::ShowDetails);
    connect(m_list, &THoroComboBox::itemConfirmed, this, &TDatabaseDialog::accept);
    connect(m_list, &THoroComboBox::searchEdited, this, [this](const QString& text) {
        searchText() = text.left(MaxSearchText);
        // What is typed during a scan is applied when the listing is complete.
        if (m_listed && !m_scanning)
            FillList(searchText());
    });

    m_list->edit()->setText(searchText());
    m_list->edit()->selectAll();
    m_list->setFocus();
    m_ok->setEnabled(false);
    m_delete->setEnabled(false);
    m_export->setEnabled(false);
    m_export->setObjectName(QStringLiteral("export"));
    retranslate();
    resize(std::max(sizeHint().width(), 640), sizeHint().height());
}

TDatabaseDialog::~TDatabaseDialog() {
    // The list points into the listing: it goes first, quietly.
    m_list->disconnect(this);
    m_list->setEntries({});
    if (m_ctx.memory.browser.open == this)
        m_ctx.memory.browser.open = nullptr;
}

HoroscopeListing& TDatabaseDialog::listing() { return m_ctx.memory.browser.listing; }

QString& TDatabaseDialog::searchText() { return m_ctx.memory.browser.searchText; }

void TDatabaseDialog::retranslate() {
    setWindowTitle(tr("Open Horoscope"));
    m_folderCaption->setText(tr("Folder:"));
    m_change->setText(tr("&Change..."));
    m_refresh->setText(tr("&Refresh"));
    m_delete->setText(tr("&Delete..."));
    m_export->setText(tr("E&xport..."));
    m_searchCaption->setText(tr("&Name:"));
    m_list->edit()->setPlaceholderText(tr("Parts of the name, such as \"nagy anna\"; alternatives separated by \";\""));
    m_counters->setToolTip(tr("Selected / listed / found"));
    m_details->setTitle(tr("Birth data"));
    m_notesCaption->setText(tr("N&otes:"));
    if (m_listed)
        ShowDetails();
}

void TDatabaseDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    TMyDialog::changeEvent(event);
}

void TDatabaseDialog::showEvent(QShowEvent* event) {
    TMyDialog::showEvent(event);
    // The first listing runs once the dialog is on the screen, so that its counters show.
    if (!m_started) {
        m_started = true;
        QTimer::singleShot(0, this, &TDatabaseDialog::ScanFolder);
    }
}

void TDatabaseDialog::setScanning(bool scanning) {
    m_scanning = scanning;
    for (QWidget* w : {static_cast<QWidget*>(m_list->list()), static_cast<QWidget*>(m_change),
                       static_cast<QWidget*>(m_refresh), static_cast<QWidget*>(m_delete), static_cast<QWidget*>(m_export),
                       static_cast<QWidget*>(m_ok)})
        w->setEnabled(!scanning);
}

bool TDatabaseDialog::scanProgress(std::size_t found) {
    m_counters->setText(fromCp1250(CountersText(0, found, found)));
    // Twenty pictures a second are enough to see the counters move; more would slow the scan.
    if (m_sinceRepaint.elapsed() >= 50) {
        QCoreApplication::processEvents();
        m_sinceRepaint.restart();
    }
    return !m_cancelRequested;
}

void TDatabaseDialog::ScanFolder() {
    if (m_scanning)
        return;
    AppState& s = m_ctx.state;
    m_folderLabel->setFullText(nativeText(m_folder));
    // A path too long for the settings is used but not remembered, rather than cut.
    if (m_folder.size() < s.Options.last_directory.size())
        setFixedText(s.Options.last_directory, m_folder);

    m_list->setEntries({});
    m_list->setListing(nullptr);
    m_listed = false;
    m_cancelRequested = false;
    setScanning(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_counters->setText(fromCp1250(CountersText(0, 0, 0)));
    m_sinceRepaint.start();
    const ScanResult result =
        ::ScanFolder(listing(), m_folder, s.Strings, [this](std::size_t found) { return scanProgress(found); });
    QApplication::restoreOverrideCursor();
    setScanning(false);
    if (m_cancelRequested) {
        listing() = HoroscopeListing{};
        QDialog::reject();
        return;
    }
    m_folderUnreadable = result == ScanResult::FolderUnreadable;
    m_listed = true;
    m_list->setListing(&listing());
    FillList(searchText());
}

void TDatabaseDialog::FillList(const QString& search) {
    m_list->setEntries(::FillList(listing(), toCp1250(search)));
    // The best match is ready to be opened with Enter.
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void TDatabaseDialog::ShowDetails() {
    const int row = m_list->currentRow();
    const HoroscopeEntry* e = m_list->entry(row);
    m_counters->setText(fromCp1250(CountersText(e ? static_cast<std::size_t>(row) + 1 : 0,
                                                static_cast<std::size_t>(m_list->count()), listing().found())));
    const int skipped = static_cast<int>(listing().skipped);
    m_skipped->setText(skipped ? tr("Skipped, not horoscope files: %1").arg(skipped) : QString());
    m_ok->setEnabled(e && !m_scanning);
    m_delete->setEnabled(e && !m_scanning);
    m_export->setEnabled(m_list->count() > 0 && !m_scanning);
    m_place->clear();
    m_notes->clear();
    if (!e) {
        m_moment->setText(m_folderUnreadable ? tr("This folder cannot be read.") : QString());
        return;
    }
    HoroscopeRead read = HoroscopeRead::Ok;
    HoroscopeProblem problem;
    const std::optional<HoroscopeDetails> d = ReadHoroscopeDetails(listing().pathOf(*e), m_ctx.state.Strings, &read, &problem);
    if (!d) {
        // A damaged file says what is wrong with it; one that has gone, the usual words.
        m_moment->setText(read == HoroscopeRead::Damaged ? tr("Damaged file: %1").arg(horoscopeProblemText(problem))
                                                         : m_ctx.text(StrId::FileNotFoundOrCorrupt));
        return;
    }
    m_moment->setText(fromCp1250(d->moment));
    const QString place = fromCp1250(d->place);
    m_place->setText(d->town.empty() ? place : fromCp1250(d->town) + QStringLiteral("    ") + place);
    m_notes->setPlainText(fromCp1250(d->notes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TDatabaseDialog::DeleteSelected() {
    const int row = m_list->currentRow();
    const HoroscopeEntry* e = m_list->entry(row);
    if (!e || m_scanning)
        return;
    const QString question =
        fillTemplate(m_ctx.text(StrId::DeleteHoroscopeQuestion), {fromCp1250(e->name), fromCp1250(e->horType), nativeText(e->fileName)});
    // Deleting is not undone: the safe answer is the default.
    if (!m_ctx.prompts().askYesNo(this, m_ctx.text(StrId::DeleteHoroscope), question, Prompts::Answer::No))
        return;
    if (!DeleteHoroscopeFile(listing().pathOf(*e))) {
        m_ctx.prompts().message(this, Prompts::Severity::Warning, m_ctx.text(StrId::DeleteHoroscope),
                                m_ctx.text(StrId::FailedToDeleteHoroscope));
        return;
    }
    m_list->removeRow(row);
    listing().remove(e);
    m_list->setCurrentRow(std::min(row, m_list->count() - 1));
    ShowDetails();
    m_list->setFocus();
}

void TDatabaseDialog::changeFolder() {
    if (m_scanning)
        return;
    const QString picked = m_ctx.prompts().chooseFolder(this, m_ctx.text(StrId::SelectHoroscopeFolder), nativeText(m_folder));
    if (picked.isEmpty())
        return;
    m_folder = QFile::encodeName(QDir::cleanPath(picked)).toStdString();
    ScanFolder();
}

void TDatabaseDialog::accept() {
    const HoroscopeEntry* e = m_list->entry(m_list->currentRow());
    if (!e || m_scanning)
        return;
    const std::string path = listing().pathOf(*e);
    if (!CanOpenHoroscope(path, m_ctx.state.Strings)) {
        m_ctx.errors.errorId(this, StrId::FileNotFoundOrCorrupt);
        ShowDetails();
        return;
    }
    // A damaged file is refused here already, so that another one can be chosen.
    HoroscopeRead read = HoroscopeRead::Ok;
    HoroscopeProblem problem;
    if (!ReadHoroscopeDetails(path, m_ctx.state.Strings, &read, &problem) && read == HoroscopeRead::Damaged) {
        m_ctx.errors.error(this, horoscopeReadMessage(QDir::toNativeSeparators(nativeText(path)), read, problem));
        return;
    }
    m_path = path;
    QDialog::accept();
}

void TDatabaseDialog::reject() {
    // Cancel during a scan stops it first; the dialog closes when the scan has returned.
    if (m_scanning) {
        m_cancelRequested = true;
        return;
    }
    QDialog::reject();
}

QString TDatabaseDialog::countersText() const { return m_counters->text(); }
QString TDatabaseDialog::skippedText() const { return m_skipped->text(); }
QString TDatabaseDialog::momentText() const { return m_moment->text(); }
QString TDatabaseDialog::placeText() const { return m_place->text(); }
QString TDatabaseDialog::notesText() const { return m_notes->toPlainText(); }

void discardHoroscopeListing(HoroscopeBrowserMemory& browser) {
    // A running scan rebuilds the listing anyway, and an open list points into it.
    if (browser.open && browser.open->isScanning())
        return;
    if (browser.open)
        browser.open->list()->setEntries({});
    browser.listing = HoroscopeListing{};
}

void TDatabaseDialog::exportListed() {
    std::vector<std::string> paths;
    for (int row = 0; row < m_list->count(); ++row)
        if (const HoroscopeEntry* e = m_list->entry(row))
            paths.push_back(listing().pathOf(*e));
    exportChartFiles(this, m_ctx, paths);
}
