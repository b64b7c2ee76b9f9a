#include "TPrintPreviewDialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "PrintDocument.h"

// The sheet of one page, painted at whatever size the dialog gives it.
class PreviewSheet : public QWidget {
public:
    using Paint = std::function<void(QPainter&, QSize)>;
    PreviewSheet(QWidget* parent, Paint paint) : QWidget(parent), m_paint(std::move(paint)) {
        setObjectName(QStringLiteral("sheet"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        m_paint(p, size());
    }

private:
    Paint m_paint;
};

namespace {

constexpr double PaperRatio = 1.414;  // A4: height to width
constexpr int ButtonColumn = 130;     // pixels right of the paper

}  // namespace

TPrintPreviewDialog::TPrintPreviewDialog(QWidget* parent, const RadixData& chart, const TOptions& options,
                                         const StringTable& strings, const Collation* collation)
    : TMyDialog(parent), m_chart(chart), m_options(options), m_strings(strings),
      m_printedAt(QDateTime::currentDateTime()), m_collation(collation), m_pages(printedPages(options.print_pages)) {
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("paper"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setWidgetResizable(false);
    m_sheet = new PreviewSheet(m_scroll, [this](QPainter& p, QSize size) {
        if (m_pages.empty()) {
            p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
            return;
        }
        paintPreviewPage(p, size, logicalDpiY(), m_pages[static_cast<std::size_t>(m_current)], m_chart, m_options,
                         m_strings, m_printedAt, m_collation);
    });
    m_scroll->setWidget(m_sheet);
    // The sheet follows the scroll area's size, which the layout sets after the dialog's own.
    m_scroll->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    m_previous = button("previousPage");
    m_next = button("nextPage");
    m_zoomIn = button("zoomIn");
    m_zoomOut = button("zoomOut");
    m_fit = button("zoomFit");
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_pageLabel->setAlignment(Qt::AlignCenter);
    m_pageLabel->setWordWrap(true);
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_current - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_current + 1); });
    connect(m_zoomIn, &QPushButton::clicked, this, [this] { setZoom(m_zoom * ZoomStep); });
    connect(m_zoomOut, &QPushButton::clicked, this, [this] { setZoom(m_zoom / ZoomStep); });
    connect(m_fit, &QPushButton::clicked, this, [this] { setZoom(1.0); });

    auto* side = new QVBoxLayout;
    side->addWidget(buttons);
    side->addSpacing(16);
    side->addWidget(m_previous);
    side->addWidget(m_pageLabel);
    side->addWidget(m_next);
    side->addSpacing(16);
    side->addWidget(m_zoomIn);
    side->addWidget(m_zoomOut);
    side->addWidget(m_fit);
    side->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 8, 8);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(side);

    // The whole height of the work area; the paper left of the buttons in A4 proportions.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int frame = 40;  // title bar and borders
    const int height = std::max(200, work.height() - frame);
    resize(static_cast<int>(height / PaperRatio) + ButtonColumn, height);
    retranslate();
    showPage(0);
    updateSheet();
}

QRect TPrintPreviewDialog::paperRect() const {
    return QRect(m_sheet->mapTo(this, QPoint(0, 0)), m_sheet->size()).intersected(
        QRect(m_scroll->viewport()->mapTo(this, QPoint(0, 0)), m_scroll->viewport()->size()));
}

void TPrintPreviewDialog::showPage(int index) {
    m_current = std::clamp(index, 0, std::max(0, pageCount() - 1));
    retranslate();
    m_sheet->update();
}

void TPrintPreviewDialog::setZoom(double zoom) {
    m_zoom = std::clamp(zoom, 1.0, MaxZoom);
    updateSheet();
}

void TPrintPreviewDialog::updateSheet() {
    // The scroll area's size comes from the layout, which a dialog not yet shown has not applied.
    if (layout())
        layout()->activate();
    // At zoom 1 the sheet fills the viewport's height (or width, when that is narrower).
    const QSize room = m_scroll->maximumViewportSize();
    const double fitHeight = std::min<double>(room.height(), room.width() * PaperRatio);
    const int h = std::max(1, static_cast<int>(fitHeight * m_zoom));
    m_sheet->resize(std::max(1, static_cast<int>(h / PaperRatio)), h);
    m_zoomIn->setEnabled(m_zoom < MaxZoom);
    m_zoomOut->setEnabled(m_zoom > 1.0);
    m_fit->setEnabled(m_zoom != 1.0);
    m_sheet->update();
}

void TPrintPreviewDialog::retranslate() {
    setWindowTitle(tr("Print Preview"));
    m_previous->setText(tr("&Previous"));
    m_next->setText(tr("&Next"));
    m_zoomIn->setText(tr("Zoom &in"));
    m_zoomOut->setText(tr("Zoom &out"));
    m_fit->setText(tr("&Fit page"));
    m_pageLabel->setText(tr("Page %1 of %2").arg(pageCount() == 0 ? 0 : m_current + 1).arg(pageCount()));
    m_previous->setEnabled(m_current > 0);
    m_next->setEnabled(m_current + 1 < pageCount());
}

void TPrintPreviewDialog::showEvent(QShowEvent* event) {
    TMyDialog::showEvent(event);
    // Centred horizontally at the top of the work area.
    if (const QScreen* s = screen()) {
        const QRect work = s->availableGeometry();
        move(work.left() + (work.width() - frameGeometry().width()) / 2, work.top());
    }
    updateSheet();
}

bool TPrintPreviewDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll && event->type() == QEvent::Resize)
        updateSheet();
    return TMyDialog::eventFilter(watched, event);
}

void TPrintPreviewDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    TMyDialog::changeEvent(event);
}
