#include "widgets/SkinFileDialog.h"

#include "widgets/SkinStyleSheet.h"

#include <QtMath>

SkinFileDialog::SkinFileDialog(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter, double dScale)
    : QFileDialog(parent, caption, dir, filter)
{
    setObjectName(QStringLiteral("fileDialog"));
    setStyleSheet(SkinStyleSheet::fileDialogs(dScale));
    resize(qRound(kWidth * dScale), qRound(kHeight * dScale));
}

QStringList SkinFileDialog::run()
{
    return exec() == QDialog::Accepted ? selectedFiles() : QStringList();
}
