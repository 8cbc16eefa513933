#include "scheme/edit_history.h"

#include <QTest>

class TestEditHistory : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};

QTEST_GUILESS_MAIN(TestEditHistory)
#include "test_edit_history.moc"
