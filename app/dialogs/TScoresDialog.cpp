#include "TScoresDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "OptionFields.h"

namespace {

constexpr std::array<const char*, ScorePointCount> PointNames = {
    QT_TRANSLATE_NOOP("TScoresDialog", "&Ascendant"),  QT_TRANSLATE_NOOP("TScoresDialog", "Medium &Coeli"),
    QT_TRANSLATE_NOOP("TScoresDialog", "&Sun"),        QT_TRANSLATE_NOOP("TScoresDialog", "M&oon"),
    QT_TRANSLATE_NOOP("TScoresDialog", "&Mercury"),    QT_TRANSLATE_NOOP("TScoresDialog", "&Venus"),
    QT_TRANSLATE_NOOP("TScoresDialog", "Ma&rs"),       QT_TRANSLATE_NOOP("TScoresDialog", "&Jupiter"),
    QT_TRANSLATE_NOOP("TScoresDialog", "Sa&turn"),     QT_TRANSLATE_NOOP("TScoresDialog", "&Uranus"),
    QT_TRANSLATE_NOOP("TScoresDialog", "&Neptune"),    QT_TRANSLATE_NOOP("TScoresDialog", "&Pluto"),
    QT_TRANSLATE_NOOP("TScoresDialog", "Asc. no&de"),  QT_TRANSLATE_NOOP("TScoresDialog", "Desc. nod&e"),
};

}  // namespace

TScoresDialog::TScoresDialog(QWidget* parent, const ErrorReporter& errors, const Scores& scores) : TMyDialog(parent), m_errors(errors), m_scores(scores) {
    setWindowTitle(tr("Scores"));
    auto* group = new QGroupBox(tr("Points"), this);
    auto* grid = new QGridLayout(group);
    // Two blocks side by side: the angles and the inner planets, then the outer ones and the nodes.
    constexpr int PerBlock = (ScorePointCount + 1) / 2;
    for (int block = 0; block < 2; ++block) {
        const int column = 4 * block;
        grid->addWidget(new QLabel(tr("First"), group), 0, column + 1, Qt::AlignHCenter);
        grid->addWidget(new QLabel(tr("Second"), group), 0, column + 2, Qt::AlignHCenter);
    }
    grid->setColumnMinimumWidth(3, 24);
    for (int p = 0; p < ScorePointCount; ++p) {
        const int row = 1 + p % PerBlock;
        const int column = 4 * (p / PerBlock);
        for (int v = 0; v < 2; ++v) {
            QLineEdit* edit = byteField(group, QStringLiteral("%1%2").arg(v == 0 ? "first" : "second").arg(p));
            edit->setText(QString::number(m_scores[p][v]));
            m_edits[p][v] = edit;
            grid->addWidget(edit, row, column + 1 + v);
        }
        auto* label = new QLabel(tr(PointNames[p]), group);
        label->setBuddy(m_edits[p][0]);
        grid->addWidget(label, row, column);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TScoresDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab goes across a row, first value then second, and on to the next point.
    QList<QWidget*> chain;
    for (const auto& row : m_edits)
        chain << row[0] << row[1];
    chain << buttons;
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    m_edits[0][0]->setFocus();
    m_edits[0][0]->selectAll();
}

void TScoresDialog::accept() {
    Scores edited{};
    for (int p = 0; p < ScorePointCount; ++p)
        for (int v = 0; v < 2; ++v) {
            const std::optional<int> value = takeByte(m_errors, m_edits[p][v]);
            if (!value)
                return;
            edited[p][v] = static_cast<std::uint8_t>(*value);
        }
    m_scores = edited;
    QDialog::accept();
}
