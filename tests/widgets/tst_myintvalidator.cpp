#include "widgets/MyIntValidator.h"
#include "widgets/MyIntValidator2.h"

#include <QtTest>

#include <memory>

// The numeric edits' validator under both of its names: the same rules for a range 0..100.
class TestMyIntValidator : public QObject
{
    Q_OBJECT
private slots:
    void validate_data()
    {
        QTest::addColumn<bool>("second");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("after");
        for (bool second : {false, true}) {
            const char* name = second ? "MyIntValidator2" : "MyIntValidator";
            auto row = [&](const char* what, const QString& in, QValidator::State s,
                           const QString& out) {
                QTest::addRow("%s %s", name, what) << second << in << int(s) << out;
            };
            row("above top", "150", QValidator::Acceptable, "100");
            row("below bottom", "-5", QValidator::Intermediate, "-5");
            row("not a number", "abc", QValidator::Invalid, "abc");
            row("empty", "", QValidator::Intermediate, "");
            row("inside", "42", QValidator::Acceptable, "42");
            row("top", "100", QValidator::Acceptable, "100");
        }
    }
    void validate()
    {
        QFETCH(bool, second);
        QFETCH(QString, input);
        QFETCH(int, state);
        QFETCH(QString, after);
        std::unique_ptr<QValidator> validator(second ? new MyIntValidator2(0, 100)
                                                     : new MyIntValidator(0, 100));
        int pos = input.size();
        QCOMPARE(int(validator->validate(input, pos)), state);
        QCOMPARE(input, after);
        QVERIFY(pos <= input.size());
    }
};

QTEST_GUILESS_MAIN(TestMyIntValidator)
#include "tst_myintvalidator.moc"
