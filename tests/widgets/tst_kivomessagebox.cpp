#include "widgets/KivoMessageBox.h"
#include "widgets/KivoPushButton.h"
#include "widgets/LanguageFont.h"
#include "widgets/UserPrompts.h"

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
    void questionYesGivesOne()
    {
        KivoMessageBox box(KivoMessageBox::Question, "Warning", "Delete the profile?");
        QVERIFY(box.noButton() != nullptr);
        whenModal([](KivoMessageBox* b) { QTest::mouseClick(b->yesButton(), Qt::LeftButton); });
        QCOMPARE(box.exec(), 1);
    }

    void questionNoGivesZero()
    {
        KivoMessageBox box(KivoMessageBox::Question, "Warning", "Delete the profile?");
        whenModal([](KivoMessageBox* b) { QTest::mouseClick(b->noButton(), Qt::LeftButton); });
        QCOMPARE(box.exec(), 0);
    }

    void escapeAndEnterDoNotConfirmAQuestion()
    {
        KivoMessageBox escaped(KivoMessageBox::Question, "Warning", "Upgrade?");
        whenModal([](KivoMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); });
        QCOMPARE(escaped.exec(), 0);

        KivoMessageBox entered(KivoMessageBox::Question, "Warning", "Upgrade?");
        whenModal([](KivoMessageBox* b) { QTest::keyClick(b, Qt::Key_Return); });
        QCOMPARE(entered.exec(), 0);
    }

    void noticeHasOneButton()
    {
        KivoMessageBox box(KivoMessageBox::Notice, "Warning",
                           "Send data failed, please try again.");
        QVERIFY(box.noButton() == nullptr);
        QCOMPARE(box.yesButton()->text(), QStringLiteral("OK"));
        whenModal([](KivoMessageBox* b) { QTest::keyClick(b, Qt::Key_Return); });
        QCOMPARE(box.exec(), 1);
    }

    void showsTitleAndOneOrTwoLines()
    {
        KivoMessageBox one(KivoMessageBox::Notice, "Warning", "First line");
        one.show();
        QCOMPARE(one.title(), QStringLiteral("Warning"));
        QCOMPARE(one.text(), QStringLiteral("First line"));
        QVERIFY(!one.findChild<QWidget*>("text2")->isVisible());

        KivoMessageBox two(KivoMessageBox::Question, "Warning", "First line", "Second line");
        two.show();
        QCOMPARE(two.text2(), QStringLiteral("Second line"));
        QVERIFY(two.findChild<QWidget*>("text2")->isVisible());
        QVERIFY(two.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(two.isModal());
    }

    void scaleGrowsTheBox()
    {
        KivoMessageBox small(KivoMessageBox::Notice, "Warning", "Text", QString(), nullptr, 1.0);
        KivoMessageBox large(KivoMessageBox::Notice, "Warning", "Text", QString(), nullptr, 2.0);
        QVERIFY(large.minimumWidth() >= 2 * small.minimumWidth() - 1);
        QVERIFY(large.yesButton()->width() > small.yesButton()->width());
    }

    void realPromptsShowTheBox()
    {
        QVERIFY(UserPrompts::installed() == nullptr);
        whenModal([](KivoMessageBox* b) {
            QCOMPARE(b->title(), QStringLiteral("Warning"));
            QCOMPARE(b->text(), QStringLiteral("Do you want to upgrade the firmware?"));
            QTest::mouseClick(b->yesButton(), Qt::LeftButton);
        });
        QVERIFY(UserPrompts::question(nullptr, "Warning", "Do you want to upgrade the firmware?"));

        whenModal([](KivoMessageBox* b) { QTest::mouseClick(b->noButton(), Qt::LeftButton); });
        QVERIFY(!UserPrompts::question(nullptr, "Warning", "Do you want to upgrade the firmware?"));

        bool shown = false;
        whenModal([&shown](KivoMessageBox* b) {
            shown = b->kind() == KivoMessageBox::Notice;
            QTest::mouseClick(b->yesButton(), Qt::LeftButton);
        });
        UserPrompts::notice(nullptr, "Warning", "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.");
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestKivoMessageBox)
#include "tst_kivomessagebox.moc"
