#include "app/flash_advice.h"
#include "editor_fixture.h"

#include <QTest>

class TestFlashAdvice : public QObject {
    Q_OBJECT
private slots:
    void theSpeedStandsOnTheGauge_data();
    void theSpeedStandsOnTheGauge();
    void theAdviceIsInTheInterfaceLanguage();
};

void TestFlashAdvice::theSpeedStandsOnTheGauge_data() {
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("gauge"); // -1: empty
    QTest::newRow("unknown") << QStringLiteral("x") << QStringLiteral("x MHz") << -1;
    QTest::newRow("none read") << QStringLiteral("0") << QStringLiteral("0 MHz") << 0;
    QTest::newRow("three quarters") << QStringLiteral("2992") << QStringLiteral("2992 MHz") << 2992;
    QTest::newRow("the end") << QStringLiteral("4000") << QStringLiteral("4000 MHz") << 4000;
    QTest::newRow("off the gauge") << QStringLiteral("4500") << QStringLiteral("4500 MHz") << -1;
    QTest::newRow("beyond 16 bits") << QStringLiteral("70000") << QStringLiteral("70000 MHz") << -1;
}

void TestFlashAdvice::theSpeedStandsOnTheGauge() {
    QFETCH(QString, speed);
    QFETCH(QString, label);
    QFETCH(int, gauge);
    EditorFixture f;
    f.editor.ProcessorSpeedText = speed;
    const FlashAdvice advice = FlashAdviceFor(f.editor);
    QCOMPARE(advice.speed, label);
    QCOMPARE(advice.gauge, gauge < 0 ? std::nullopt : std::optional<int>(gauge));
}

void TestFlashAdvice::theAdviceIsInTheInterfaceLanguage() {
    EditorFixture f(Language::German);
    ShowFlashAdvice(f.editor);
    QVERIFY(f.editor.DialogWasShown);
    QCOMPARE(f.dialogs.flashAdviceDialogs.size(), 1);
    const FlashAdvice& german = f.dialogs.flashAdviceDialogs.first();
    QCOMPARE(german.caption, QStringLiteral("Beim Wählen aufblitzen"));
    QCOMPARE(german.pcLabel, QStringLiteral("Dieser Computer:"));
    QCOMPARE(german.apology, QStringLiteral("Zu Sprach Unregelmäßigkeiten sich Entschuldigungen"));
    QVERIFY(german.text.startsWith(QStringLiteral("An langsam der Computer nach 300 MHz")));

    f.editor.language = Language::English;
    QCOMPARE(FlashAdviceFor(f.editor).text,
             QStringLiteral("Slow computer to the 300 MHz advise uncheck box 'Flash on Select', "
                            "quicken by behaviour application."));
    // Any other word: the Czech texts the dialog was made with, and no note.
    f.editor.language = Language::None;
    const FlashAdvice builtIn = FlashAdviceFor(f.editor);
    QCOMPARE(builtIn.caption, QStringLiteral("Bliknutí při kliknutí na náhled"));
    QCOMPARE(builtIn.pcLabel, QStringLiteral("Tento počítač:"));
    QVERIFY(builtIn.apology.isEmpty());
}

QTEST_GUILESS_MAIN(TestFlashAdvice)
#include "test_flash_advice.moc"
