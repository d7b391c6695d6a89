#include "WindowRig.h"

#include "app/window/LanguageSwitcher.h"
#include "app/window/MousePicture.h"
#include "buttons/ButtonMenus.h"
#include "buttons/KivoBtnWindow.h"
#include "model/GlobalRecords.h"
#include "widgets/KivoPushButton.h"

#include <QDir>
#include <QImage>
#include <QMenu>
#include <QtTest>

// The button list inside the main window: which profile it edits, the picture it lights, the
// requests it sends up.
class TestCustomizePage : public QObject
{
    Q_OBJECT
private slots:
    void followsTheCurrentSlot()
    {
        WindowRig rig;
        KivoBtnWindow* list = rig.window().pages()->buttonWindow();
        QVERIFY(list->profile() == &GlobalRecords::live().activeProfile());
        GlobalRecords::live().Profile[1].ButtonInfo[0].Fun = FunctionCode::VolumeUp;
        rig.window().statusFollower()->slotRefreshProfile(1);
        QVERIFY(list->profile() == &GlobalRecords::live().Profile[1]);
        QCOMPARE(list->label(0), QString("Volume Up"));

        GlobalRecords::live().Profile[1].ButtonInfo[0].Fun = FunctionCode::LeftClick;
        for (int i = 1; i < ProfileData::kButtonCount; ++i)
            GlobalRecords::live().Profile[1].ButtonInfo[i].Fun = FunctionCode::RightClick;
        list->slotMouseEnter(list->button(0, 0));
        list->pick(FunctionCode::MiddleClick);
        QCOMPARE(rig.m_Prompts.texts(), QStringList{"AT LEAST ONE CLICK FUNCTION TO BE RETAINED."});
        emit list->GotoMacroTab(3);
        QCOMPARE(rig.window().pages()->current(), 3);
    }

    void pictureAndListPointAtTheSameButton()
    {
        WindowRig rig;
        const QString folder = rig.folder() + "/skin/mouse/HORNBEAM/";
        QVERIFY(QDir().mkpath(folder));
        QImage image(30, 40, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(folder + "Mouse.png") && image.save(folder + "mouse_2.png"));
        rig.window().refreshModelParts();
        KivoBtnWindow* list = rig.window().pages()->buttonWindow();
        MousePicture* picture = rig.window().pages()->picture();
        KivoPushButton* second = list->button(0, 1);
        emit second->OverSignal(second, true);
        QCOMPARE(picture->highlighted(), 1);
        emit second->OverSignal(second, false);
        QCOMPARE(picture->highlighted(), -1);
        // Button 9 has no picture of its own: the plain one stays.
        KivoPushButton ninth(QStringList(), nullptr);
        ninth.setProperty("buttonIndex", 8);
        rig.window().pages()->slotMouseOver(&ninth, false);
        QCOMPARE(picture->highlighted(), -1);

        rig.window().pages()->selectHotspot(MousePicture::SideGroup, 4);
        QVERIFY(list->currentSet() == 0 && list->currentIndex() == 4);
        rig.window().pages()->selectHotspot(MousePicture::ArrowGroup, 1);
        QVERIFY(list->currentSet() == 2 && list->currentIndex() == 1);
    }
};

QTEST_MAIN(TestCustomizePage)
#include "tst_customizepage.moc"
