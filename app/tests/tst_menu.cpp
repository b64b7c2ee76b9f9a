#include <QtTest>
#include <QMenuBar>

#include "CommandIds.h"
#include "MainMenu.h"
#include "TAstroApp.h"
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
        auto* app = TAstroApp::instance();
        TAstroFrame frame;
        app->applyLanguage(LanguageEnglish);
        frame.client()->installMenu(&frame);
        QCOMPARE(menuTitles(frame.menuBar()), QStringList({"&Horoscope", "&Table", "&Options", "&Window", "H&elp"}));
        app->applyLanguage(LanguageHungarian);
        frame.client()->installMenu(&frame);
        QCOMPARE(menuTitles(frame.menuBar()).first(), QStringLiteral("&Horoszkóp"));
        QCOMPARE(frame.client()->action(CM_NEW)->text(), QStringLiteral("Ú&j..."));
        QCOMPARE(app->state().Strings.str(319), std::string("Hiba"));
        app->applyLanguage(LanguageEnglish);
    }

    void lastFilesAreNumberedAtTheEndOfTheFirstPopup() {
        auto* app = TAstroApp::instance();
        app->applyLanguage(LanguageEnglish);
        TOptions& o = app->state().Options;
        TAstroFrame frame;
        o.lastfile_count = 0;
        frame.client()->installMenu(&frame);
        QMenu* first = frame.menuBar()->actions().first()->menu();
        const qsizetype base = first->actions().size();
        QVERIFY(!first->actions().last()->isSeparator());

        o.lastfile_count = 5;
        for (int i = 0; i < 5; ++i)
            std::snprintf(o.lastfiles[i].data(), o.lastfiles[i].size(), "Person %d,  radix;   /h/p%d.hor", i, i);
        frame.client()->rebuildLastFiles();
        QList<QAction*> items = first->actions();
        QCOMPARE(items.size(), base + 6);
        QVERIFY(items[base]->isSeparator());
        QCOMPARE(items[base + 1]->text(), QString("&1 Person 0,  radix;   /h/p0.hor"));
        QCOMPARE(items[base + 5]->data().toInt(), CM_LASTFILE0 + 4);

        o.lastfile_count = 1;
        frame.client()->rebuildLastFiles();  // rebuilt, not appended again
        QCOMPARE(first->actions().size(), base + 2);
        o.lastfile_count = 0;
        frame.client()->rebuildLastFiles();
        QCOMPARE(first->actions().size(), base);
    }

    void commandsWithoutHandlerAreGreyed() {
        TAstroFrame frame;
        frame.client()->installMenu(&frame);
        constexpr int Unhandled = CM_NAV_LAST + 1;
        QVERIFY(!frame.client()->hasHandler(Unhandled));
        frame.client()->action(Unhandled);
        frame.client()->updateActions();
        QVERIFY(!frame.client()->action(Unhandled)->isEnabled());
        QVERIFY(frame.client()->action(CM_CASCADE)->isEnabled());
        // Print has its handler, and is greyed while no chart window is active.
        QVERIFY(frame.client()->hasHandler(CM_PRINT));
        QVERIFY(!frame.client()->action(CM_PRINT)->isEnabled());
    }
    void firstCommandRemovesTheIntro() {
        TAstroFrame frame;
        frame.client()->installMenu(&frame);
        frame.client()->showIntro();
        QVERIFY(frame.client()->intro() != nullptr);
        frame.client()->dispatch(CM_CASCADE);
        QVERIFY(frame.client()->intro() == nullptr);
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestMenu test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_menu.moc"
