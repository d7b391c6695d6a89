#include "ScriptedUserPrompts.h"
#include "TestAppFolder.h"
#include "widgets/SkinFileDialog.h"

#include <QHeaderView>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

class TestUserPrompts : public QObject
{
    Q_OBJECT
    // The dialogs remember their folders in the tool's settings: keep those in a scratch folder.
    TestAppFolder m_Folder;

private slots:
    void saveCompletesTheSuffix_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("answer"); // -1: no question expected, else the answer given
        QTest::addColumn<QString>("result");
        QTest::newRow("no suffix") << "cfg" << false << -1 << "cfg.conf";
        QTest::newRow("completed name exists, keep it") << "cfg" << true << 0 << "";
        QTest::newRow("completed name exists, replace") << "cfg" << true << 1 << "cfg.conf";
        QTest::newRow("typed with suffix: the dialog asked")
            << "cfg.conf" << true << -1 << "cfg.conf";
        QTest::newRow("other suffix kept") << "cfg.backup" << false << -1 << "cfg.backup";
    }
    void saveCompletesTheSuffix()
    {
        QFETCH(QString, typed);
        QFETCH(bool, exists);
        QFETCH(int, answer);
        QFETCH(QString, result);
        QTemporaryDir dir;
        if (exists) {
            QFile file(dir.filePath("cfg.conf"));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ScriptedUserPrompts prompts;
        prompts.answerSaveFile(dir.filePath(typed));
        if (answer >= 0)
            prompts.answerQuestion(answer == 1);
        const QString chosen =
            UserPrompts::saveFileName(nullptr, "Save Config File", "", "Config File(*.conf)");
        QCOMPARE(chosen, result.isEmpty() ? QString() : dir.filePath(result));
        QCOMPARE(prompts.shown().size(), answer >= 0 ? 2 : 1);
        QCOMPARE(prompts.unansweredCount(), 0);
    }

    void dialogsOpenWhereTheirKindWasLastUsed()
    {
        QTemporaryDir profiles;
        ScriptedUserPrompts prompts;
        prompts.answerOpenFile(profiles.filePath("a.prof"));
        prompts.answerOpenFile(QString());
        prompts.answerSaveFile(QString());
        UserPrompts::openFileName(nullptr, "Load Profile File", "", "Profile File(*.prof)");
        UserPrompts::saveFileName(nullptr, "Save Profile File", "", "Profile File(*.prof)");
        UserPrompts::openFileName(nullptr, "Load Config File", "", "Config File(*.conf)");
        const QString first = prompts.shown()[0].text;
        QVERIFY(!first.isEmpty() && first != profiles.path());
        QCOMPARE(prompts.shown()[1].text, profiles.path());
        QCOMPARE(prompts.shown()[2].text, first); // another kind, another folder
    }

    // Qt's own dialog at the UI scale: its tool button icons and its column titles grow with it.
    void fileDialogFitsTheScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("2.0") << 2.0;
    }
    void fileDialogFitsTheScale()
    {
        QFETCH(double, scale);
        SkinFileDialog dialog(nullptr, "Save Config File", QDir::tempPath(), "(*.conf)", scale);
        auto* view = dialog.findChild<QTreeView*>("treeView");
        QVERIFY(view);
        // Columns as Qt leaves them when it measured a small platform type (or restored them so).
        for (int i = 0; i < view->header()->count(); ++i)
            view->header()->resizeSection(i, 40);
        dialog.show();
        for (const QToolButton* button : dialog.findChildren<QToolButton*>())
            QCOMPARE(button->iconSize(), QSize(1, 1) * qRound(SkinFileDialog::kIconSize * scale));
        for (int i = 0; i < view->header()->count(); ++i) {
            const QString title = view->model()->headerData(i, Qt::Horizontal).toString();
            QVERIFY2(view->fontMetrics().horizontalAdvance(title) < view->header()->sectionSize(i),
                     qPrintable(title));
        }
    }
};

QTEST_MAIN(TestUserPrompts)
#include "tst_userprompts.moc"
