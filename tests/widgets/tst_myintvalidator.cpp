#include "widgets/MyIntValidator.h"

#include <QtTest>

// The numeric edits' validator (the second name only inherits it) for a range 0..100.
class TestMyIntValidator : public QObject
{
    Q_OBJECT
private slots:
    void validate_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("after");
        QTest::newRow("above top") << "150" << int(QValidator::Acceptable) << "100";
        QTest::newRow("below bottom") << "-5" << int(QValidator::Intermediate) << "-5";
        QTest::newRow("not a number") << "abc" << int(QValidator::Invalid) << "abc";
        QTest::newRow("empty") << QString() << int(QValidator::Intermediate) << QString();
        QTest::newRow("top") << "100" << int(QValidator::Acceptable) << "100";
        QTest::newRow("bottom") << "0" << int(QValidator::Acceptable) << "0";
    }
    void validate()
    {
        QFETCH(QString, input);
        QFETCH(int, state);
        QFETCH(QString, after);
        MyIntValidator validator(0, 100);
        int pos = input.size();
        QCOMPARE(int(validator.validate(input, pos)), state);
        QCOMPARE(input, after);
        QVERIFY(pos <= input.size());
    }
};

QTEST_GUILESS_MAIN(TestMyIntValidator)
#include "tst_myintvalidator.moc"
