#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QMovie;

// The small busy indicator shown modally while the writer thread sends the configuration: a
// 128 × 128 frameless, translucent square with the skin's process picture and the compiled-in
// loading animation. Only the writer's end closes it; the user cannot.
class KivoProcessDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kSize = 128;

    explicit KivoProcessDialog(QWidget* parent = nullptr);

public slots:
    // The writer finished: close on the next turn of the event loop.
    void slotProcessDlg();
    void updateProgress();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPixmap m_Background;
    QLabel* m_pLabel;
    QMovie* m_pMovie;
    bool m_bDone = false;
};
