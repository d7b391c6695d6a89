// Lays the skin out the way the main window places it, with a few buttons and a message box
// over it, and saves the picture: a quick look at the skin without a mouse or a main window.
// Usage: skinpreview APPDIR OUT.png   (runs on the offscreen platform)

#include "model/AppPaths.h"
#include "widgets/KivoMessageBox.h"
#include "widgets/KivoPushButton.h"
#include "widgets/SkinResources.h"

#include <QApplication>
#include <QBitmap>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <cstdio>

namespace {
QString skin(const QString& name)
{
    return AppPaths::skinDir() + "/" + name;
}

QLabel* picture(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap(skin(name)));
    label->setScaledContents(true);
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

KivoPushButton* button(QWidget* parent, const QString& stem, const QString& text,
                       const QRect& geometry)
{
    auto* btn = new KivoPushButton(
        KivoPushButton::skinImages({stem + "-1.png", stem + "-2.png", stem + "-3.png"}), text,
        parent);
    btn->setGeometry(geometry);
    return btn;
}

void hover(QWidget* w)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w, &enter);
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: skinpreview APPDIR OUT.png\n");
        return 2;
    }
    AppPaths::setAppDir(QString::fromLocal8Bit(argv[1]));
    SkinResources::init();
    QFont base("DejaVu Sans");
    base.setPixelSize(12);
    base.setBold(true);
    app.setFont(base);

    QWidget window;
    window.setAttribute(Qt::WA_TranslucentBackground);
    window.resize(999, 640);
    const QPixmap back(skin("cfgMainback.png"));
    if (back.isNull()) {
        std::fprintf(stderr, "skinpreview: no skin in %s\n", argv[1]);
        return 1;
    }
    picture(&window, "cfgMainback.png", QRect(0, 0, 999, 640));
    window.setMask(back.mask());
    picture(&window, "logo.png", QRect(69, 20, 200, 50));

    const QStringList tabs = {"LIGHTING", "CUSTOMIZE", "DPI", "MACRO"};
    for (int i = 0; i < tabs.size(); ++i) {
        KivoPushButton* tab = button(&window, "tab", tabs[i], QRect(69, 90 + 34 * i, 154, 29));
        tab->setCheckable(true);
        tab->setChecked(i == 1);
        if (i == 2)
            hover(tab);
    }
    button(&window, "btnsmall", "DEVICE", QRect(670, 33, 100, 20));
    button(&window, "btnsmall", "English", QRect(774, 33, 105, 20));
    button(&window, "min", QString(), QRect(903, 33, 19, 19));
    hover(button(&window, "close", QString(), QRect(924, 33, 19, 19)));

    // The customise page: the button labels beside the mouse picture.
    const QStringList labels = {"Left",  "Right", "Middle", "Forward", "Back",
                                "DPI +", "DPI -", "Sniper", "Profile"};
    QFont labelFont = base;
    labelFont.setBold(false);
    for (int i = 0; i < labels.size(); ++i) {
        KivoPushButton* label =
            button(&window, "btn", labels[i], QRect(280, 106 + 36 * i, 220, 30));
        label->setFont(labelFont);
        if (i == 0)
            hover(label);
    }
    KivoPushButton* front = button(&window, "btnsmall", "Front", QRect(530, 321, 96, 20));
    front->setCheckable(true);
    front->setChecked(true);
    button(&window, "btnsmall", "Side", QRect(631, 321, 96, 20));
    picture(&window, "mouse/HORNBEAM/mouse_1.png", QRect(637, 99, 300, 400));

    // Bottom bar: battery, receiver, actions, version.
    auto* bar = new QProgressBar(&window);
    bar->setGeometry(80, 593, 55, 22);
    bar->setValue(80);
    bar->setFormat("%p%");
    bar->setAlignment(Qt::AlignCenter);
    bar->setStyleSheet("QProgressBar { background: white; border: none; color: black;"
                       " font-weight: bold; font-size: 11px; }"
                       "QProgressBar::chunk { background: rgb(255,0,0); }");
    picture(&window, "bat1.png", QRect(75, 587, 71, 34));
    picture(&window, "dongle.png", QRect(174, 581, 48, 48));
    const QStringList actions = {"Reset All", "LOAD1", "SAVE", "Apply"};
    for (int i = 0; i < actions.size(); ++i) {
        KivoPushButton* action =
            button(&window, "btn", actions[i], QRect(308 + 131 * i, 588, 128, 30));
        if (i == 3)
            hover(action);
    }
    auto* version = new QLabel("Version 1.0.0", &window);
    version->setStyleSheet("color: #7d8691; font-weight: normal; font-size: 11px;");
    version->setGeometry(850, 594, 140, 20);

    KivoMessageBox box(KivoMessageBox::Question, "Warning", "Do you want to upgrade the firmware?");
    box.adjustSize();

    // The desktop behind the window, so that its shape shows.
    QImage shot(1079, 720, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&shot);
    QLinearGradient desk(0, 0, 1079, 720);
    desk.setColorAt(0, QColor(0x4b, 0x55, 0x63));
    desk.setColorAt(1, QColor(0x22, 0x28, 0x30));
    painter.fillRect(shot.rect(), desk);
    window.render(&painter, QPoint(40, 40), QRegion(), QWidget::DrawChildren);
    const QPoint boxAt(40 + (999 - box.width()) / 2, 40 + (640 - box.height()) / 2);
    box.render(&painter, boxAt, QRegion(), QWidget::DrawChildren);

    // The busy dialog beside the box: its background and one frame of the animation.
    const QPoint busyAt(40 + 330, 40 + 440);
    painter.drawPixmap(busyAt, QPixmap(skin("process.png")));
    QImageReader gif(":/skin/loading.gif");
    gif.jumpToImage(3);
    painter.drawImage(busyAt, gif.read());
    painter.end();

    if (!shot.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "skinpreview: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
