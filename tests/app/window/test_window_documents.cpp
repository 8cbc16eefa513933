// The window's documents and languages: the language commands, recent items and drops.
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>

namespace {

QString MenuTitle(MainWindow& window, const char* name) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->objectName() == QLatin1String(name))
            return action->text();
    }
    return {};
}

// Drops files on the window as a file manager would.
bool Drop(MainWindow& window, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

QString CancelButtonText() {
    QMessageBox box(QMessageBox::Warning, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return box.button(QMessageBox::Cancel)->text();
}

} // namespace

class TestWindowDocuments : public QObject {
    Q_OBJECT
private slots:
    void theLanguageCommandsSwitchTheRunningWindow();
    void aDroppedSchemeOpensAndBecomesARecentItem();
    void otherDropsAreRefusedSilently();
};

void TestWindowDocuments::theLanguageCommandsSwitchTheRunningWindow() {
    WindowFixture f;
    Editor& editor = f.editor();
    f.find<QListWidget>("lstItem")->setCurrentRow(3);
    editor.document.elementColour[4] = MakeColour(1, 2, 3);
    editor.document.modified = true;
    const QString englishCancel = CancelButtonText();

    f.find<QAction>("mnuDeutschIco")->trigger();
    QCOMPARE(f.window.windowTitle(), QStringLiteral("ZEF - Editor farbig schema v1.0"));
    QCOMPARE(MenuTitle(f.window, "mnuEditTOP"), QStringLiteral("Herrstellungen"));
    QCOMPARE(MenuTitle(f.window, "mnuToolsTOP"), QStringLiteral("Werkzeuge"));
    QCOMPARE(f.find<QLabel>("lblSchema")->text(), QStringLiteral("Name:"));
    QCOMPARE(f.find<QGroupBox>("frmItems")->title(), QStringLiteral("Elemente"));
    QCOMPARE(f.find<QCheckBox>("chkAuto")->accessibleName(),
             QStringLiteral("Umzeichen Shema wen Verfärbung"));
    QVERIFY(f.find<QPlainTextEdit>("txtInfo")->toPlainText().startsWith(
        QStringLiteral("Abstreichen Fach an Element sich Objekt am Bildschirm kommt vor")));
    QCOMPARE(f.find<QAction>("mnuRecent1Ico")->text(), QStringLiteral("(nichts)"));
    QCOMPARE(f.find<QAction>("mnuOtevritPosledniIco")->text(), QStringLiteral("Öffnen rezent"));
    QCOMPARE(f.find<QListWidget>("lstItem")->item(3)->text(),
             QStringLiteral("04 - Basisfenstertitel Hintergrund"));
    // The language items name themselves in every language.
    QCOMPARE(f.find<QAction>("mnuCzechIco")->text(), QStringLiteral("Čeština"));
    QCOMPARE(QSettings(editor.settings.filePath(), QSettings::IniFormat)
                 .value(QStringLiteral("Settings/Language"))
                 .toString(),
             QStringLiteral("Deutsch"));
    // The scheme and its state stay as they were.
    QCOMPARE(editor.document.elementColour[4], MakeColour(1, 2, 3));
    QVERIFY(editor.document.modified);
    QCOMPARE(f.find<QListWidget>("lstItem")->currentRow(), 3);

    // Qt's own buttons follow, where its translations are installed.
    const QString german =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (QFile::exists(german))
        QCOMPARE(CancelButtonText(), QStringLiteral("Abbrechen"));

    f.find<QAction>("mnuEnglishIco")->trigger();
    QCOMPARE(MenuTitle(f.window, "mnuEditTOP"), QStringLiteral("Edit"));
    QCOMPARE(f.find<QLabel>("lblSchema")->text(), QStringLiteral("Name:"));
    QCOMPARE(f.find<QAction>("mnuRecent1Ico")->text(), QStringLiteral("(none)"));
    QCOMPARE(CancelButtonText(), englishCancel);

    f.find<QAction>("mnuCzechIco")->trigger();
    QCOMPARE(MenuTitle(f.window, "mnuSouborTOP"), QStringLiteral("Soubor"));
    QCOMPARE(f.find<QCheckBox>("chkSecure")->accessibleName(), QStringLiteral("Bezpečné schéma"));
}

void TestWindowDocuments::aDroppedSchemeOpensAndBecomesARecentItem() {
    WindowFixture f;
    Editor& editor = f.editor();
    const QString path =
        f.phone.f.writeFile(QStringLiteral("dropped.col"), SchemeFileBytes("Dropped", {2, 45}));
    QVERIFY(Drop(f.window, {QUrl::fromLocalFile(path)}));
    QCOMPARE(f.find<QLabel>("lblFile")->text(), QStringLiteral("dropped.col"));
    QCOMPARE(f.find<QLineEdit>("txtName")->text(), QStringLiteral("Dropped"));
    QCOMPARE(f.find<QListWidget>("lstItem")->item(1)->checkState(), Qt::Unchecked);
    QCOMPARE(f.find<QAction>("mnuRecent1Ico")->text(), QStringLiteral("dropped.col"));
    QVERIFY(!editor.document.modified);

    // Ctrl+N: the Blue starter, without a question since nothing was changed.
    QTest::keyClick(&f.window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(f.find<QLineEdit>("txtName")->text(), QStringLiteral("Blue ZEF"));
    QVERIFY(f.phone.f.dialogs.messages.isEmpty());

    // The recent item opens the file again; the same file is listed twice.
    f.find<QAction>("mnuRecent1Ico")->trigger();
    QCOMPARE(f.find<QLineEdit>("txtName")->text(), QStringLiteral("Dropped"));
    QCOMPARE(f.find<QAction>("mnuRecent2Ico")->text(), QStringLiteral("dropped.col"));
    // An empty item does nothing.
    f.find<QAction>("mnuRecent5Ico")->trigger();
    QCOMPARE(f.find<QLineEdit>("txtName")->text(), QStringLiteral("Dropped"));
    QVERIFY(f.phone.f.dialogs.messages.isEmpty());
}

void TestWindowDocuments::otherDropsAreRefusedSilently() {
    WindowFixture f;
    const QString text = f.phone.f.writeFile(QStringLiteral("notes.txt"), "hello");
    const QString scheme = f.phone.f.writeFile(QStringLiteral("a.col"), SchemeFileBytes("A"));
    QVERIFY(!Drop(f.window, {QUrl::fromLocalFile(text)}));
    QVERIFY(!Drop(f.window, {QUrl::fromLocalFile(scheme), QUrl::fromLocalFile(scheme)}));
    QVERIFY(!Drop(f.window, {QUrl(QStringLiteral("https://example.org/a.col"))}));
    QCOMPARE(f.find<QLineEdit>("txtName")->text(), QStringLiteral("Blue ZEF"));
    QVERIFY(f.phone.f.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestWindowDocuments)
#include "test_window_documents.moc"
