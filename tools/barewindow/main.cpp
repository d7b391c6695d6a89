// The smallest Qt Widgets window: one label, started with the toolkit settings the tool uses.
// Start-up figures compare the tool with it, so it says when it is shown and when its first
// frame has been painted the way the tool does ("main window shown", "main window painted").
#include <QApplication>
#include <QLabel>
#include <QTimer>

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
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (m_bPainted)
            return;
        m_bPainted = true;
        QTimer::singleShot(0, [] { qDebug("main window painted"); });
    }

private:
    bool m_bPainted = false;
};
} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    ShownLabel label(QStringLiteral("bare Qt window"));
    label.setWindowFlags(label.windowFlags() | Qt::FramelessWindowHint);
    label.resize(320, 120);
    label.show();
    return app.exec();
}
