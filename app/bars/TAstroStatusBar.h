#pragma once
#include <QStatusBar>
#include <array>
#include <string>

#include "BirthData.h"

class QLabel;
struct RadixData;
class StringTable;

// The status bar: a message field that other parts fill (cleared before every command), a
// field that stays while the options have unsaved changes, and four bold fields with the
// active chart's name, type, moment and birthplace.
class TAstroStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit TAstroStatusBar(QWidget* parent = nullptr);

    void setMessage(const QString& text);
    QString message() const;
    // Shows or hides the "Options not saved" field.
    void setOptionsUnsaved(bool unsaved);
    // The field's text while shown, else empty.
    QString optionsUnsavedText() const;
    // The field of a progressions window's target date, key and arc; hidden while empty.
    void setProgressionText(const QString& text);
    QString progressionText() const;
    // Refills the four chart fields from `chart` (empty without one) and repaints at once.
    // A collation shows both charts: each field holds the natal chart's text, then the second's.
    void refresh(const RadixData* chart, const StringTable& strings, const RadixData* second = nullptr);
    // Builds the chart fields again, wider when the Wine workaround is on.
    void rebuild(bool wineWorkaround);
    bool builtWithWineWorkaround() const { return m_wine; }
    QString fieldText(int field) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* m_message;
    QLabel* m_unsaved;
    QLabel* m_progression;
    std::array<QLabel*, 4> m_fields{};
    bool m_wine = false;
};

// "Town  19°05'E  47°30'N": the town without its "+ " marker and cut before its first comma,
// then the whole degrees and minutes of longitude and latitude; Windows-1250.
std::string statusPlaceText(const BirthMoment& moment);
