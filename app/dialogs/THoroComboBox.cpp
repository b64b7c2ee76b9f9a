#include "THoroComboBox.h"

#include <array>

#include <QAbstractListModel>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "HoroscopeListing.h"
#include "QtText.h"

// The rows of the list: entries of the listing, which stays their owner.
class HoroscopeEntryModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    HoroscopeListing* listing = nullptr;

    void setEntries(std::vector<const HoroscopeEntry*> entries) {
        beginResetModel();
        m_rows = std::move(entries);
        endResetModel();
    }
    const HoroscopeEntry* entry(int row) const {
        return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)] : nullptr;
    }
    void removeEntry(int row) {
        if (!entry(row))
            return;
        beginRemoveRows({}, row, row);
        m_rows.erase(m_rows.begin() + row);
        endRemoveRows();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const HoroscopeEntry* e = entry(index.row());
        if (!e)
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return fromCp1250(e->name);
        if (role == Qt::ToolTipRole)
            return QFile::decodeName(QByteArray::fromStdString(e->fileName));
        return {};
    }

private:
    std::vector<const HoroscopeEntry*> m_rows;
};

namespace {

constexpr int Margin = 4;

// The file name is secondary: a little smaller than the name and the type.
QFont fileNameFont(QFont font) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 0.9);
    else
        font.setPixelSize(std::max(8, font.pixelSize() * 9 / 10));
    return font;
}

QString fileNameText(const HoroscopeEntry& e) {
    return QFile::decodeName(QByteArray::fromStdString(e.fileName));
}

class HoroscopeItemDelegate : public QStyledItemDelegate {
public:
    HoroscopeItemDelegate(HoroscopeEntryModel* model, QObject* parent) : QStyledItemDelegate(parent), m_model(model) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        measure(option.font);
        const int width = m_model->listing ? m_model->listing->rowWidth : 0;
        return {std::max(width, 0), QFontMetrics(option.font).height() + 6};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const HoroscopeEntry* e = m_model->entry(index.row());
        if (!e || !m_model->listing)
            return;
        measure(option.font);
        const HoroscopeListing& l = *m_model->listing;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                                   : QPalette::Inactive;
        const QPalette& pal = option.palette;
        p->save();
        p->fillRect(option.rect, pal.brush(group, selected ? QPalette::Highlight : QPalette::Base));
        const QColor text = pal.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
        p->setPen(text);
        p->setFont(option.font);
        constexpr int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        const QRect r = option.rect.adjusted(Margin, 0, 0, 0);
        p->drawText(r, flags, fromCp1250(e->name));
        p->drawText(r.adjusted(l.typeColumn, 0, 0, 0), flags, fromCp1250(e->horType));
        if (!selected) {
            QColor muted = text;
            muted.setAlphaF(0.62f);
            p->setPen(muted);
        }
        p->setFont(fileNameFont(option.font));
        p->drawText(r.adjusted(l.fileColumn, 0, 0, 0), flags, fileNameText(*e));
        p->restore();
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = pal.color(group, selected ? QPalette::Highlight : QPalette::Base);
            const QWidget* w = option.widget;
            (w ? w->style() : QApplication::style())->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, p, w);
        }
    }

private:
    // The column positions, once per listing, from the widest name, type and file name of all
    // its entries: the columns stay put while the search narrows the list. Widths are summed
    // from the advance of each character, which is fast enough for ten thousand entries and
    // differs from the shaped width by a little kerning at most.
    void measure(const QFont& font) const {
        HoroscopeListing* l = m_model->listing;
        if (!l || l->typeColumn >= 0)
            return;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QFontMetrics fm(font);
        const QFontMetrics small(fileNameFont(font));
        // Advances of the bytes that occur, found on first use: looking up glyphs that no
        // name holds (control characters send the font machinery searching) costs more than
        // all the rest.
        std::array<int, 256> text, ascii;
        text.fill(-1);
        ascii.fill(-1);
        const auto advance = [](std::array<int, 256>& table, const QFontMetrics& m, unsigned char c, auto toText) {
            int& a = table[c];
            if (a < 0)
                a = m.horizontalAdvance(toText(c));
            return a;
        };
        const auto cp1250Char = [](unsigned char c) { return fromCp1250(std::string(1, static_cast<char>(c))); };
        const auto asciiChar = [](unsigned char c) { return QString(QChar(c)); };
        const auto cp1250Width = [&](const std::string& s) {
            int w = 0;
            for (const char c : s)
                w += advance(text, fm, static_cast<unsigned char>(c), cp1250Char);
            return w;
        };
        int name = 0, type = 0, file = 0;
        for (const auto& e : l->entries) {
            name = std::max(name, cp1250Width(e->name));
            type = std::max(type, cp1250Width(e->horType));
            int w = 0;
            for (const char c : e->fileName) {
                if (static_cast<unsigned char>(c) >= 0x80) {
                    w = small.horizontalAdvance(fileNameText(*e));  // not plain ASCII: measured whole
                    break;
                }
                w += advance(ascii, small, static_cast<unsigned char>(c), asciiChar);
            }
            file = std::max(file, w);
        }
        const int gap = std::max(10, fm.averageCharWidth() * 2);
        l->typeColumn = name + gap;
        l->fileColumn = l->typeColumn + type + gap;
        l->rowWidth = Margin + l->fileColumn + file + Margin;
        QApplication::restoreOverrideCursor();
    }

    HoroscopeEntryModel* m_model;
};

}  // namespace

THoroComboBox::THoroComboBox(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_list(new QListView(this)), m_model(new HoroscopeEntryModel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit);
    layout->addWidget(m_list, 1);
    m_edit->setClearButtonEnabled(true);
    m_edit->installEventFilter(this);
    m_list->setModel(m_model);
    m_list->setItemDelegate(new HoroscopeItemDelegate(m_model, m_list));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusProxy(m_edit);

    // Typing and the clear button; a text set by the program is no search of the user's.
    connect(m_edit, &QLineEdit::textEdited, this, &THoroComboBox::searchEdited);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit currentRowChanged(currentRow()); });
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit itemConfirmed();
    });
}

void THoroComboBox::setListing(HoroscopeListing* listing) {
    m_model->listing = listing;
}

void THoroComboBox::setEntries(std::vector<const HoroscopeEntry*> entries) {
    m_list->setUpdatesEnabled(false);
    m_model->setEntries(std::move(entries));
    m_list->setUpdatesEnabled(true);
    emit currentRowChanged(-1);
}

int THoroComboBox::count() const {
    return m_model->rowCount();
}

const HoroscopeEntry* THoroComboBox::entry(int row) const {
    return m_model->entry(row);
}

int THoroComboBox::currentRow() const {
    const QModelIndex i = m_list->currentIndex();
    return i.isValid() && m_list->selectionModel()->isSelected(i) ? i.row() : -1;
}

void THoroComboBox::setCurrentRow(int row) {
    const QModelIndex i = m_model->index(row, 0);
    if (!i.isValid()) {
        m_list->selectionModel()->clear();
        emit currentRowChanged(-1);
        return;
    }
    m_list->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
    m_list->scrollTo(i);
}

void THoroComboBox::removeRow(int row) {
    m_model->removeEntry(row);
}

bool THoroComboBox::eventFilter(QObject* watched, QEvent* event) {
    // As in a combo box, the keys that move through a list move through it from the edit.
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_list, event);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
