#pragma once
#include <QGroupBox>
#include <string>

class AppContext;
class QButtonGroup;
class QLabel;
class QPushButton;

// The place of a chart a dialog computes: a place it already has (the chart's own, the natal
// one) or a town of the towns list, asked for by the start of its name and then from the list.
// Choosing "a town" without a town asks for one at once; cancelled, the own place stays chosen.
// The town is kept as a chart keeps its town (Windows-1250, "+ " before a user town), so that
// FindTown finds it again.
class TTownChoice : public QGroupBox {
    Q_OBJECT
public:
    // `ownText` labels the first choice, `ownName` is its object name; the town's choice is
    // "atTown". An empty `town` chooses the own place.
    TTownChoice(QWidget* parent, AppContext& ctx, const QString& title, const QString& ownText, const QString& ownName,
                std::string town);

    // The town chosen, or empty while the own place is chosen.
    std::string town() const;
    bool atTown() const;
    // Whether the place can be chosen at all (it may not matter for the dialog's other choices).
    void setChoosable(bool choosable);

signals:
    // The user chose the other place or another town.
    void changed();

private:
    void chooseTown();
    void showTown();
    void updateEnabled();

    AppContext& m_ctx;
    std::string m_town;
    bool m_choosable = true;
    QButtonGroup* m_places;
    QLabel* m_townLabel;
    QPushButton* m_townButton;
};
