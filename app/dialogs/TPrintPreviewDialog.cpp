#include "TPrintPreviewDialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "PrintDocument.h"

TPrintPreviewDialog::TPrintPreviewDialog(QWidget* parent, const RadixData& chart, const TOptions& options,
                                         const StringTable& strings, const Collation* collation)
    : TMyDialog(parent), m_chart(chart), m_options(options), m_strings(strings),
      m_printedAt(QDateTime::currentDateTime()), m_collation(collation) {
    setWindowTitle(tr("Print Preview"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 8, 8);
    layout->addWidget(buttons, 0, Qt::AlignRight | Qt::AlignTop);
    // The whole height of the work area; the paper left of the buttons in A4 proportions.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int frame = 40;  // title bar and borders
    const int height = std::max(200, work.height() - frame);
    const int paperWidth = static_cast<int>(height / 1.414);
    resize(paperWidth + ButtonColumn, height);
}

QRect TPrintPreviewDialog::paperRect() const { return QRect(0, 0, width() - ButtonColumn, height()); }

void TPrintPreviewDialog::showEvent(QShowEvent* event) {
    TMyDialog::showEvent(event);
    // Centred horizontally at the top of the work area.
    if (const QScreen* s = screen()) {
        const QRect work = s->availableGeometry();
        move(work.left() + (work.width() - frameGeometry().width()) / 2, work.top());
    }
}

void TPrintPreviewDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QRect paper = paperRect();
    p.setViewport(paper);
    p.setWindow(QRect(QPoint(0, 0), paper.size()));
    p.setClipRect(QRect(QPoint(0, 0), paper.size()));
    paintPreviewPage(p, paper.size(), logicalDpiY(), PrintPage::Chart, m_chart, m_options, m_strings, m_printedAt, m_collation);
}
