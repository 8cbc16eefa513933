#include "app/window/association_dialog.h"
#include "app/window/flash_advice_dialog.h"
#include "app/window/safe_scheme_dialog.h"
#include "editor_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

class TestInfoDialogs : public QObject {
    Q_OBJECT
private slots:
    void theSafeSchemeDialogShowsWhatTheEditorGives();
    void theFlashAdviceShowsTheSpeedOnTheGauge();
    void theAssociationRowHandsBackItsTick();
};

void TestInfoDialogs::theSafeSchemeDialogShowsWhatTheEditorGives() {
    EditorFixture f(Language::German);
    SafeSchemeDialog dialog(SafeSchemeInfoFor(f.editor));
    QCOMPARE(dialog.objectName(), QStringLiteral("frmSecure"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Sicher Schema"));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstSecure"));
    QCOMPARE(list->count(), 20);
    QCOMPARE(list->item(19)->text(), QStringLiteral("48 - Kalender Markierung / Geburtstag"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblOmluva"))->text(),
             QStringLiteral("Zu Sprach Unregelmäßigkeiten sich Entschuldigungen"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());

    // In Czech the apology is empty and not shown.
    EditorFixture czech(Language::Czech);
    SafeSchemeDialog czechDialog(SafeSchemeInfoFor(czech.editor));
    czechDialog.show();
    QVERIFY(!czechDialog.findChild<QLabel*>(QStringLiteral("lblOmluva"))->isVisible());
}

void TestInfoDialogs::theFlashAdviceShowsTheSpeedOnTheGauge() {
    EditorFixture f;
    f.editor.ProcessorSpeedText = QStringLiteral("2992");
    FlashAdviceDialog dialog(FlashAdviceFor(f.editor));
    QCOMPARE(dialog.objectName(), QStringLiteral("frmFlash"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Flash on Select"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblSpeed"))->text(),
             QStringLiteral("2992 MHz"));
    auto* gauge = dialog.findChild<QProgressBar*>(QStringLiteral("pb1"));
    QCOMPARE(gauge->maximum(), 4000);
    QCOMPARE(gauge->value(), 2992);

    f.editor.ProcessorSpeedText = QStringLiteral("x");
    FlashAdviceDialog unknown(FlashAdviceFor(f.editor));
    QCOMPARE(unknown.findChild<QLabel*>(QStringLiteral("lblSpeed"))->text(),
             QStringLiteral("x MHz"));
    QCOMPARE(unknown.findChild<QProgressBar*>(QStringLiteral("pb1"))->value(), 0);
}

void TestInfoDialogs::theAssociationRowHandsBackItsTick() {
    AssociationDialog dialog(
        AssociationDialogState{AssociationDialogTextsFor(Language::English), false});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("File Association"));
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("lwType"));
    QCOMPARE(list->topLevelItemCount(), 1);
    QTreeWidgetItem* row = list->topLevelItem(0);
    QCOMPARE(row->text(0), QStringLiteral("COL"));
    QCOMPARE(row->text(1), QStringLiteral("File Colour Scheme"));
    QCOMPARE(list->headerItem()->text(2), QStringLiteral("File extensions"));
    QVERIFY(!dialog.ticked());
    row->setCheckState(0, Qt::Checked);
    QVERIFY(dialog.ticked());

    AssociationDialog ticked(
        AssociationDialogState{AssociationDialogTextsFor(Language::German), true});
    QVERIFY(ticked.ticked());
    QCOMPARE(ticked.findChild<QTreeWidget*>(QStringLiteral("lwType"))->headerItem()->text(1),
             QStringLiteral("Legende"));
}

QTEST_MAIN(TestInfoDialogs)
#include "test_info_dialogs.moc"
