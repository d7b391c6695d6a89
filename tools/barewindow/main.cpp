// The smallest Qt Widgets window: one label. Start-up figures compare the tool with it, so it
// says when it is shown the way the tool does ("main window shown").
#include <QApplication>
#include <QLabel>

namespace {
class ShownLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void showEvent(QShowEvent* event) override
    {
        QLabel::showEvent(event);
        qDebug("main window shown");
    }
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ShownLabel label(QStringLiteral("bare Qt window"));
    label.resize(320, 120);
    label.show();
    return app.exec();
}
