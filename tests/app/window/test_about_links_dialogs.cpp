#include "app/qt_user_dialogs.h"
#include "app/window/about_dialog.h"
#include "app/window/links_dialog.h"
#include "editor_fixture.h"
#include "recorded_opener.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

template <typename T> T* Child(QWidget& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no control named %s", name);
    return child;
}

QString TextOf(QWidget& dialog, const char* name) {
    return Child<QLabel>(dialog, name)->text();
}

void ClickOk(QDialog& dialog) {
    QTest::mouseClick(Child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
}

} // namespace

class TestAboutLinksDialogs : public QObject {
    Q_OBJECT
private slots:
    void theAboutDialogShowsItsTexts();
    void theAboutNoticeOpensTheHomePage();
    void theLinksDialogShowsItsTexts();
    void theLinksOpenTheirAddresses();
    void theLinksWorkFromTheKeyboard();
    void aPressTakenBackOpensNothing();
    void theDesktopShowsBothModally();
};

void TestAboutLinksDialogs::theAboutDialogShowsItsTexts() {
    EditorFixture f(Language::German);
    AboutDialog dialog(AboutTextsFor(f.editor));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.objectName(), QStringLiteral("frmAbout"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Applikation (ZEF - Editor farbig Schema)"));
    QCOMPARE(TextOf(dialog, "lblTitle"), QStringLiteral("ZEF - Editor farbig Schema"));
    QCOMPARE(TextOf(dialog, "lblVersion"), QStringLiteral("version 1.0"));
    QCOMPARE(TextOf(dialog, "lblMobil"), QStringLiteral("Nur für Siemens S55."));
    QCOMPARE(TextOf(dialog, "lblSpy"), QStringLiteral("Applikation enthält SpyWare nicht."));
    QCOMPARE(TextOf(dialog, "lblDescription"), AboutTextsFor(f.editor).description);
    auto* apology = Child<QLabel>(dialog, "lblOmluva");
    QCOMPARE(apology->text(),
             QStringLiteral("Zu Sprach Unregelmäßigkeiten sich Entschuldigungen."));
    QVERIFY(apology->isVisible());
    auto* notice = Child<QLabel>(dialog, "lblCopy");
    QCOMPARE(notice->text(), AboutTextsFor(f.editor).copyright);
    QCOMPARE(notice->accessibleName(), notice->text());
    // The notice stays on one line.
    QVERIFY(!notice->wordWrap());
    QVERIFY(notice->width() >= notice->sizeHint().width());

    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());

    // In Czech there is no apology to show.
    f.editor.language = Language::Czech;
    AboutDialog czech(AboutTextsFor(f.editor));
    czech.show();
    QVERIFY(QTest::qWaitForWindowExposed(&czech));
    QVERIFY(!Child<QLabel>(czech, "lblOmluva")->isVisible());
    QCOMPARE(czech.windowTitle(), QStringLiteral("O programu (ZEF - Editor barevného schéma)"));
}

void TestAboutLinksDialogs::theAboutNoticeOpensTheHomePage() {
    EditorFixture f(Language::English);
    AboutDialog dialog(AboutTextsFor(f.editor));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    RecordedOpener opener; // the desktop has nothing to open it with
    QTest::mouseClick(Child<QLabel>(dialog, "lblCopy"), Qt::LeftButton);
    QCOMPARE(opener.opened, QList<QUrl>{QUrl(LinksTextsFor(f.editor).homePage)});
    // Nothing is reported and the dialog stays.
    QVERIFY(dialog.isVisible());
    // The other texts are no links.
    QTest::mouseClick(Child<QLabel>(dialog, "lblDescription"), Qt::LeftButton);
    QTest::mouseClick(Child<QLabel>(dialog, "lblTitle"), Qt::LeftButton);
    QCOMPARE(opener.opened.size(), 1);
}

void TestAboutLinksDialogs::theLinksDialogShowsItsTexts() {
    EditorFixture f(Language::German);
    const LinksTexts texts = LinksTextsFor(f.editor);
    LinksDialog dialog(texts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.objectName(), QStringLiteral("frmLinks"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("WWW"));
    QCOMPARE(TextOf(dialog, "lblHome"), QStringLiteral("Hausseite:"));
    QCOMPARE(TextOf(dialog, "lblEmail"), QStringLiteral("E-mail:"));
    auto* web = Child<QLabel>(dialog, "lblWeb");
    auto* mail = Child<QLabel>(dialog, "lblPosta");
    QCOMPARE(web->text(), texts.homePage);
    QCOMPARE(mail->text(), texts.email);
    QCOMPARE(web->accessibleName(), texts.homePage);
    QCOMPARE(mail->accessibleName(), texts.email);
    // Each caption names its link for the screen reader.
    QCOMPARE(Child<QLabel>(dialog, "lblHome")->buddy(), web);
    QCOMPARE(Child<QLabel>(dialog, "lblEmail")->buddy(), mail);
    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

void TestAboutLinksDialogs::theLinksOpenTheirAddresses() {
    EditorFixture f(Language::English);
    const LinksTexts texts = LinksTextsFor(f.editor);
    LinksDialog dialog(texts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    RecordedOpener opener;
    QTest::mouseClick(Child<QLabel>(dialog, "lblPosta"), Qt::LeftButton);
    QTest::mouseClick(Child<QLabel>(dialog, "lblWeb"), Qt::LeftButton);
    QTest::mouseClick(Child<QLabel>(dialog, "lblHome"), Qt::LeftButton);
    QTest::mouseClick(Child<QLabel>(dialog, "lblEmail"), Qt::LeftButton);
    QCOMPARE(opener.opened.size(), 2);
    QCOMPARE(opener.opened[0].toString(), QStringLiteral("mailto:") + texts.email);
    QCOMPARE(opener.opened[1], QUrl(texts.homePage));
    // No mail program answered; the dialog stays open.
    QVERIFY(dialog.isVisible());
}

void TestAboutLinksDialogs::theLinksWorkFromTheKeyboard() {
    EditorFixture f(Language::English);
    const LinksTexts texts = LinksTextsFor(f.editor);
    LinksDialog dialog(texts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    RecordedOpener opener;
    auto* mail = Child<QLabel>(dialog, "lblPosta");
    mail->setFocus();
    QTRY_VERIFY(mail->hasFocus());
    QTest::keyClick(mail, Qt::Key_Space);
    // Enter on a link follows it instead of pressing OK.
    QTest::keyClick(mail, Qt::Key_Return);
    QCOMPARE(opener.opened.size(), 2);
    QCOMPARE(opener.opened[1].toString(), QStringLiteral("mailto:") + texts.email);
    QVERIFY(dialog.isVisible());
    // Tab leads from the home page to the e-mail address.
    auto* web = Child<QLabel>(dialog, "lblWeb");
    web->setFocus();
    QTest::keyClick(web, Qt::Key_Tab);
    QVERIFY(mail->hasFocus());
}

void TestAboutLinksDialogs::aPressTakenBackOpensNothing() {
    EditorFixture f(Language::English);
    LinksDialog dialog(LinksTextsFor(f.editor));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    RecordedOpener opener;
    auto* web = Child<QLabel>(dialog, "lblWeb");
    QTest::mousePress(web, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(web, Qt::LeftButton, {}, QPoint(web->width() + 40, web->height() + 40));
    QTest::mouseClick(web, Qt::RightButton);
    QVERIFY(opener.opened.isEmpty());
}

void TestAboutLinksDialogs::theDesktopShowsBothModally() {
    EditorFixture f(Language::German);
    QtUserDialogs dialogs;
    QStringList shown;
    // Each dialog blocks until OK closes it; the check waits for the dialog to come up.
    std::function<void()> closeWithOk = [&] {
        QTimer::singleShot(10, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return closeWithOk();
            shown.append(dialog->objectName() + u':' + dialog->windowTitle());
            ClickOk(*dialog);
        });
    };
    closeWithOk();
    dialogs.showAbout(AboutTextsFor(f.editor));
    closeWithOk();
    dialogs.showLinks(LinksTextsFor(f.editor));
    QCOMPARE(shown,
             (QStringList{QStringLiteral("frmAbout:Applikation (ZEF - Editor farbig Schema)"),
                          QStringLiteral("frmLinks:WWW")}));
}

QTEST_MAIN(TestAboutLinksDialogs)
#include "test_about_links_dialogs.moc"
