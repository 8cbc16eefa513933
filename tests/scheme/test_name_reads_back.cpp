// Which scheme names make a file that the reader refuses, asked of the real writer and reader.
#include "scheme/scheme_reader.h"
#include "scheme/scheme_text_codec.h"
#include "scheme/scheme_writer.h"

#include <QTest>

class TestNameReadsBack : public QObject {
    Q_OBJECT
private slots:
    void agreesWithWriteThenRead_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readsBack");
        QTest::newRow("Data first") << "Data scheme" << false;
        QTest::newRow("Data inside") << "My Data scheme" << false;
        QTest::newRow("Data last, a space after") << "My Data " << false;
        QTest::newRow("on a line of its own") << "My\rData" << false;
        QTest::newRow("lower case") << "My data scheme" << true;
        QTest::newRow("start of a word") << "Database" << true;
        QTest::newRow("end of a word") << "MyData" << true;
        QTest::newRow("after a tab") << "My\tData" << true;
        QTest::newRow("empty") << "" << true;
    }
    void agreesWithWriteThenRead() {
        QFETCH(QString, name);
        QFETCH(bool, readsBack);
        SchemeDocument doc;
        doc.schemeName = name;
        const QByteArray file = EncodeSchemeText(BuildSchemeText(doc));
        QCOMPARE(!ParseSchemeText(DecodeSchemeBytes(file)).failure, readsBack);
        QCOMPARE(NameReadsBack(name), readsBack);
    }
};

QTEST_GUILESS_MAIN(TestNameReadsBack)
#include "test_name_reads_back.moc"
