#include "model/AppPaths.h"

#include <QApplication>
#include <QLabel>
#include <QSettings>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Until the main window lands: a plain window that names the installed model.
    QSettings description(AppPaths::deviceDescriptionFile(), QSettings::IniFormat);
    QLabel window(QStringLiteral("%1 %2")
                      .arg(description.value("PROFILE/ProductName").toString(),
                           description.value("PROFILE/Version").toString()));
    window.setMinimumSize(480, 240);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    return app.exec();
}
