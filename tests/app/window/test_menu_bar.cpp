// The main window's menu bar as the user meets it: the tree, the shortcuts, the icons of the
// owner-drawn menus, and commands chosen by mouse and by keyboard.
#include "menu/pop_menu.h"
#include "window_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// Every item's name in display order, a submenu's items right after their parent, separators
// included.
void Walk(const QList<QAction*>& actions, QStringList& names) {
    for (QAction* action : actions) {
        names.append(action->objectName());
        if (action->menu())
            Walk(action->menu()->actions(), names);
    }
}

QMenu* MenuOf(MainWindow& window, const char* name) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->objectName() == QLatin1String(name))
            return action->menu();
    }
    return nullptr;
}

} // namespace

class TestMenuBar : public QObject {
    Q_OBJECT
private slots:
    void theTreeIsInDisplayOrder();
    void shortcutsAndIconsFollowTheNames();
    void theMenusAreDrawnByTheProgramAfterTheFirstActivation();
    void aHelpItemChosenByMouseOpensItsDialog();
    void shortcutsRunTheirCommands();
    void captionsFollowTheLanguageThroughThePresentation();
};

void TestMenuBar::theTreeIsInDisplayOrder() {
    WindowFixture f;
    QStringList names;
    Walk(f.window.menuBar()->actions(), names);
    const QStringList expected = {"mnuSouborTOP",
                                  "mnuNovyIco",
                                  "mnuBlueIco",
                                  "mnuRedIco",
                                  "mnuGreenIco",
                                  "mnuOtevritIco",
                                  "mnuOtevritPosledniIco",
                                  "mnuRecent1Ico",
                                  "mnuRecent2Ico",
                                  "mnuRecent3Ico",
                                  "mnuRecent4Ico",
                                  "mnuRecent5Ico",
                                  "mnuSep3",
                                  "mnuMobilExplorerIco",
                                  "mnuSep2",
                                  "mnuUlozitIco",
                                  "mnuSaveAsIco",
                                  "mnuSep",
                                  "mnuKonecIco",
                                  "mnuEditTOP",
                                  "mnuUndoIco",
                                  "mnuRedoIco",
                                  "mnuToolsTOP",
                                  "mnuLanguageIco",
                                  "mnuCzechIco",
                                  "mnuEnglishIco",
                                  "mnuDeutschIco",
                                  "mnuAsoIco",
                                  "mnuNapovedaTOP",
                                  "mnuSecureIco",
                                  "mnuFlashIco",
                                  "mnuSep4",
                                  "mnuLinksIco",
                                  "mnuSep5",
                                  "mnuAboutIco"};
    QCOMPARE(names, expected);
}

void TestMenuBar::shortcutsAndIconsFollowTheNames() {
    WindowFixture f;
    const QList<std::pair<const char*, QKeySequence>> shortcuts = {
        {"mnuBlueIco", QKeySequence(QStringLiteral("Ctrl+N"))},
        {"mnuOtevritIco", QKeySequence(QStringLiteral("Ctrl+O"))},
        {"mnuMobilExplorerIco", QKeySequence(QStringLiteral("Ctrl+E"))},
        {"mnuUlozitIco", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"mnuKonecIco", QKeySequence(QStringLiteral("Ctrl+Q"))},
        {"mnuUndoIco", QKeySequence(QStringLiteral("Ctrl+Z"))},
        {"mnuRedoIco", QKeySequence(QStringLiteral("Ctrl+R"))}};
    QStringList withShortcut;
    for (QAction* action : f.window.menuBar()->findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty())
            withShortcut.append(action->objectName());
        // Redo is Ctrl+R; nothing answers Ctrl+Y.
        QVERIFY(action->shortcut() != QKeySequence(QStringLiteral("Ctrl+Y")));
    }
    QCOMPARE(withShortcut.size(), shortcuts.size());
    for (const auto& [name, keys] : shortcuts)
        QCOMPARE(f.find<QAction>(name)->shortcut(), keys);
}

void TestMenuBar::theMenusAreDrawnByTheProgramAfterTheFirstActivation() {
    WindowFixture f;
    auto* ctlMenu = qobject_cast<PopMenu*>(f.window.menuBar()->style());
    QVERIFY(ctlMenu);
    QCOMPARE(ctlMenu->HighlightStyle(), 2);
    QVERIFY(!ctlMenu->BackgroundPicture().isNull());
    QCOMPARE(ctlMenu->Count(), 35);
    for (int p = 1; p <= ctlMenu->Count(); ++p) {
        const QString key = ctlMenu->MenuKey(p);
        // "TOP" never has an icon; every "Ico" item has the one stored under its name.
        if (key.endsWith(QLatin1String("TOP")) || key.startsWith(QLatin1String("mnuSep")))
            QCOMPARE(ctlMenu->ItemIcon(p), -1);
        else
            QVERIFY2(ctlMenu->ItemIcon(p) >= 0, qPrintable(key));
    }
    QCOMPARE(qobject_cast<PopMenu*>(MenuOf(f.window, "mnuNapovedaTOP")->style()), ctlMenu);
}

void TestMenuBar::aHelpItemChosenByMouseOpensItsDialog() {
    WindowFixture f;
    QMenuBar* bar = f.window.menuBar();
    QMenu* help = MenuOf(f.window, "mnuNapovedaTOP");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help->menuAction()).center());
    QTRY_VERIFY(help->isVisible());
    QAction* safeScheme = f.find<QAction>("mnuSecureIco");
    const QPoint item = help->actionGeometry(safeScheme).center();
    QTest::mouseMove(help, item);
    QTRY_COMPARE(help->activeAction(), safeScheme);
    QTest::mouseClick(help, Qt::LeftButton, {}, item);
    QTRY_COMPARE(f.phone.f.dialogs.safeSchemeDialogs.size(), 1);
    QVERIFY(f.editor().DialogWasShown);
}

void TestMenuBar::shortcutsRunTheirCommands() {
    WindowFixture f;
    Editor& editor = f.editor();
    // Ctrl+N makes a new Blue scheme; with changes, it asks first, and Cancel keeps them.
    editor.setNameBoxText(QStringLiteral("Mine"));
    QVERIFY(editor.document.modified);
    f.phone.f.dialogs.answers = {MessageAnswer::Cancel};
    QTest::keyClick(&f.window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(f.phone.f.dialogs.messages.size(), 1);
    QCOMPARE(editor.document.schemeName, QStringLiteral("Mine"));
    f.phone.f.dialogs.answers = {MessageAnswer::No};
    QTest::keyClick(&f.window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(editor.document.schemeName, QStringLiteral("Blue ZEF"));
    // Ctrl+O asks for a file; cancelling it changes nothing.
    QTest::keyClick(&f.window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.phone.f.dialogs.openDialogs.size(), 1);
    QCOMPARE(*f.phone.f.dialogs.openDialogs.first().title, QStringLiteral("Open"));
}

void TestMenuBar::captionsFollowTheLanguageThroughThePresentation() {
    WindowFixture f;
    auto* ctlMenu = qobject_cast<PopMenu*>(f.window.menuBar()->style());
    QVERIFY(ctlMenu);
    f.find<QAction>("mnuDeutschIco")->trigger();
    QCOMPARE(ctlMenu->Caption(QStringLiteral("mnuEditTOP")), QStringLiteral("Herrstellungen"));
    QCOMPARE(ctlMenu->Caption(QStringLiteral("mnuAsoIco")), QStringLiteral("Datei Assoziation"));
    QCOMPARE(f.find<QAction>("mnuAboutIco")->text(), QStringLiteral("Applikation"));
    QCOMPARE(ctlMenu->Caption(QStringLiteral("mnuCzechIco")), QStringLiteral("Čeština"));
    QCOMPARE(ctlMenu->Caption(QStringLiteral("mnuRecent3Ico")), QStringLiteral("(nichts)"));
}

QTEST_MAIN(TestMenuBar)
#include "test_menu_bar.moc"
