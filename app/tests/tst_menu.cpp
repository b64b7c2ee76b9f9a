#include <QtTest>
#include <QMenuBar>

#include "CommandIds.h"
#include "MainMenu.h"
#include "TAstroApp.h"
#include "TestApp.h"
#include "CommandTable.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"

namespace {

MenuNode c(int id) { return {MenuNode::Command, id, "x", {}}; }
MenuNode s() { return {MenuNode::Separator, 0, nullptr, {}}; }
MenuNode p(std::vector<MenuNode> items) { return {MenuNode::Popup, 0, "p", std::move(items)}; }

// A compact picture of a menu: ids, "-" for separators, [..] for popups.
QString shape(const std::vector<MenuNode>& nodes) {
    QStringList parts;
    for (const MenuNode& n : nodes) {
        if (n.kind == MenuNode::Separator)
            parts << "-";
        else if (n.kind == MenuNode::Command)
            parts << QString::number(n.id);
        else
            parts << "[" + shape(n.children) + "]";
    }
    return parts.join(' ');
}

// Items of one menu whose "&" letters are the same: such a letter only cycles between them.
void collectMnemonicClashes(QMenu* menu, QStringList& clashes) {
    QHash<QChar, QString> seen;
    for (QAction* a : menu->actions()) {
        if (a->menu())
            collectMnemonicClashes(a->menu(), clashes);
        const QString text = a->text();
        const qsizetype at = text.indexOf(QRegularExpression("&[^&]"));
        if (a->isSeparator() || !a->isVisible() || at < 0)
            continue;
        const QChar letter = text.at(at + 1).toLower();
        // The option dialogs' items kept their letters from the first versions of the program.
        const QStringList older = {"&Dignities...", "&Orbises...", "&Méltóságok...", "&Orbiszok..."};
        if (seen.contains(letter) && !older.contains(text))
            clashes << menu->title() + ": " + seen.value(letter) + " / " + text;
        else
            seen.insert(letter, text);
    }
}

QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* a : bar->actions())
        titles << a->text();
    return titles;
}

}  // namespace

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void pruneMenu_data() {
        QTest::addColumn<QString>("pruned");
        QTest::addColumn<QString>("expected");
        const auto prune = [](std::vector<MenuNode> menu) {
            PruneMenu(menu, [](int id) { return id == 42000 || id == 42002; });
            return shape(menu);
        };
        QTest::newRow("low ids kept without handlers") << prune({c(40101), c(40102)}) << "40101 40102";
        QTest::newRow("optional ids need a handler") << prune({c(42000), c(42001), c(42002)}) << "42000 42002";
        QTest::newRow("leading separator") << prune({s(), c(1)}) << "1";
        QTest::newRow("doubled separator where an item went") << prune({c(1), s(), c(42001), s(), c(2)}) << "1 - 2";
        QTest::newRow("trailing separator") << prune({c(1), s(), c(42001)}) << "1";
        QTest::newRow("popup emptied by pruning") << prune({c(1), s(), p({c(42001), s()}), s(), c(2)}) << "1 - 2";
        QTest::newRow("nested popups") << prune({p({c(42000), p({c(42003)})})}) << "[42000]";
    }
    void pruneMenu() {
        QFETCH(QString, pruned);
        QFETCH(QString, expected);
        QCOMPARE(pruned, expected);
    }

    void menuHasItsPopupsInBothLanguages() {
        auto* app = &testApp();
        TAstroFrame frame(testApp().context(), [](std::uint16_t) {});
        app->applyLanguage(LanguageEnglish);
        frame.installMenu();
        QCOMPARE(menuTitles(frame.menuBar()), QStringList({"&Horoscope", "&Table", "&Options", "&Window", "H&elp"}));
        app->applyLanguage(LanguageHungarian);
        frame.installMenu();
        QCOMPARE(menuTitles(frame.menuBar()).first(), QStringLiteral("&Horoszkóp"));
        QCOMPARE(frame.commands()->action(CM_NEW)->text(), QStringLiteral("Ú&j..."));
        QCOMPARE(app->state().Strings.str(319), std::string("Hiba"));
        app->applyLanguage(LanguageEnglish);
    }

    void menuLettersAreDistinctWithinEachMenu() {
        auto* app = &testApp();
        TAstroFrame frame(testApp().context(), [](std::uint16_t) {});
        for (int language : {LanguageEnglish, LanguageHungarian}) {
            app->applyLanguage(language);
            frame.installMenu();
            QStringList clashes;
            for (QAction* top : frame.menuBar()->actions())
                if (top->menu())
                    collectMnemonicClashes(top->menu(), clashes);
            QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join('\n')));
        }
        app->applyLanguage(LanguageEnglish);
    }

    void lastFilesAreNumberedAtTheEndOfTheFirstPopup() {
        auto* app = &testApp();
        app->applyLanguage(LanguageEnglish);
        TOptions& o = app->state().Options;
        TAstroFrame frame(testApp().context(), [](std::uint16_t) {});
        o.lastfile_count = 0;
        frame.installMenu();
        QMenu* first = frame.menuBar()->actions().first()->menu();
        const qsizetype base = first->actions().size();
        QVERIFY(!first->actions().last()->isSeparator());

        o.lastfile_count = 5;
        for (int i = 0; i < 5; ++i)
            std::snprintf(o.lastfiles[i].data(), o.lastfiles[i].size(), "Person %d,  radix;   /h/p%d.hor", i, i);
        frame.rebuildLastFiles();
        QList<QAction*> items = first->actions();
        QCOMPARE(items.size(), base + 6);
        QVERIFY(items[base]->isSeparator());
        QCOMPARE(items[base + 1]->text(), QString("&1 Person 0,  radix;   /h/p0.hor"));
        QCOMPARE(items[base + 5]->data().toInt(), CM_LASTFILE0 + 4);

        o.lastfile_count = 1;
        frame.rebuildLastFiles();  // rebuilt, not appended again
        QCOMPARE(first->actions().size(), base + 2);
        o.lastfile_count = 0;
        frame.rebuildLastFiles();
        QCOMPARE(first->actions().size(), base);
    }

    void commandsWithoutHandlerAreGreyed() {
        TAstroFrame frame(testApp().context(), [](std::uint16_t) {});
        frame.installMenu();
        constexpr int Unhandled = 49999;
        frame.commands()->add({{Unhandled, "Unhandled", {}, nullptr, 0, {}, {}, {}}});
        frame.commands()->updateActions();
        QVERIFY(!frame.commands()->action(Unhandled)->isEnabled());
        QVERIFY(frame.commands()->action(CM_CASCADE)->isEnabled());
    }
    void firstCommandRemovesTheIntro() {
        TAstroFrame frame(testApp().context(), [](std::uint16_t) {});
        frame.installMenu();
        frame.client()->showIntro();
        QVERIFY(frame.client()->intro() != nullptr);
        frame.commands()->dispatch(CM_CASCADE);
        QVERIFY(frame.client()->intro() == nullptr);
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestMenu test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_menu.moc"
