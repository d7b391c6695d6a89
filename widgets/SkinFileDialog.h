#pragma once

#include <QFileDialog>

// A file dialog that fits the tool. Where the platform offers the desktop's own dialog (the
// platform theme, or the desktop portal it routes to) that one is shown, and the style and size
// below do not reach it; otherwise Qt's dialog is drawn in the skin and sized by the UI scale,
// so that it is neither a light box beside the dark window nor cut at a large scale.
class SkinFileDialog : public QFileDialog
{
    Q_OBJECT
public:
    static constexpr int kWidth = 720;   // at scale 1.0
    static constexpr int kHeight = 430;  // at scale 1.0
    static constexpr int kIconSize = 16; // tool button icons at scale 1.0

    SkinFileDialog(QWidget* parent, const QString& caption, const QString& dir,
                   const QString& filter, double dScale);

    // The chosen files, empty when the user cancels.
    QStringList run();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitToScale();

    double m_dScale;
};
