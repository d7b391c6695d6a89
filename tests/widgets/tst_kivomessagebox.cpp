#include "widgets/KivoMessageBox.h"
#include "widgets/KivoPushButton.h"
#include "widgets/LanguageFont.h"

#include <QFontDatabase>
#include <QTimer>
#include <QtTest>

// Boxes run modally here, as in the program; a zero-time timer acts once the box is up.
class TestKivoMessageBox : public QObject
{
    Q_OBJECT

private:
    template <typename F> static void whenModal(F action)
    {
        QTimer::singleShot(0, [action] {
            auto* box = qobject_cast<KivoMessageBox*>(QApplication::activeModalWidget());
            QVERIFY2(box, "no message box is showing");
            action(box);
        });
    }

private slots:
    void chineseTextNeverFallsToAFontWithoutHan()
    {
        const QStringList han = QFontDatabase().families(QFontDatabase::SimplifiedChinese);
        if (han.isEmpty())
            QSKIP("no font with Chinese glyphs installed (scripts/setup.sh installs one)");
        const QFont missing(QStringLiteral("No Such Family 4711"));
        const QString chosen = LanguageFont::resolve(missing, QStringLiteral("警告")).family();
        QVERIFY2(han.contains(chosen), qPrintable(chosen));
        // Latin text keeps what was asked for (the toolkit falls back on its own there).
        QCOMPARE(LanguageFont::resolve(missing, QStringLiteral("Warning")).family(),
                 missing.family());
        // An installed family is kept.
        QCOMPARE(LanguageFont::resolve(QFont(han.first()), QStringLiteral("警告")).family(),
                 han.first());
    }

    // Only a click on Yes, or Enter on a notice, confirms; Enter never confirms a question.
    void answers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        const int question = KivoMessageBox::Question;
        QTest::newRow("yes") << question << "yes" << 1;
        QTest::newRow("no") << question << "no" << 0;
        QTest::newRow("escape") << question << "escape" << 0;
        QTest::newRow("enter") << question << "enter" << 0;
        QTest::newRow("notice enter") << int(KivoMessageBox::Notice) << "enter" << 1;
    }
    void answers()
    {
        QFETCH(int, kind);
        QFETCH(QString, action);
        QFETCH(int, result);
        KivoMessageBox box(KivoMessageBox::Kind(kind), "Warning", "Upgrade?");
        QCOMPARE(box.noButton() == nullptr, kind == KivoMessageBox::Notice);
        whenModal([action](KivoMessageBox* b) {
            if (action == "yes" || action == "no")
                QTest::mouseClick(action == "yes" ? b->yesButton() : b->noButton(), Qt::LeftButton);
            else
                QTest::keyClick(b, action == "enter" ? Qt::Key_Return : Qt::Key_Escape);
        });
        QCOMPARE(box.exec(), result);
    }
};

QTEST_MAIN(TestKivoMessageBox)
#include "tst_kivomessagebox.moc"
