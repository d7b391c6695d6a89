#pragma once

#include <QDialog>
#include <QPoint>
#include <QStringList>

class KivoPushButton;
class QLabel;

// The system's modal message box: frameless, painted in the skin's colours, with a title and
// one or two lines of text. A notice has one button ("OK"); a question has "Yes" and "No"; a
// choice has three buttons named by the caller, the last of which cancels. exec() gives 1 for
// OK, Yes or the first answer, 2 for the second answer, and 0 for No, the cancelling answer or a
// box closed with Escape. Code shows boxes through UserPrompts, never directly, so that tests
// can answer them.
class KivoMessageBox : public QDialog
{
    Q_OBJECT

public:
    enum Kind
    {
        Notice,
        Question,
        Choice
    };

    KivoMessageBox(Kind kind, const QString& title, const QString& text,
                   const QString& text2 = QString(), QWidget* parent = nullptr, double dScale = 1.0,
                   const QStringList& answers = QStringList());

    Kind kind() const { return m_Kind; }
    QString title() const;
    QString text() const;
    QString text2() const;
    // "OK" on a notice, "Yes" on a question.
    KivoPushButton* yesButton() const { return m_pYes; }
    // nullptr on a notice.
    KivoPushButton* noButton() const { return m_pNo; }
    // The second answer of a choice; nullptr otherwise.
    KivoPushButton* otherButton() const { return m_pOther; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Kind m_Kind;
    double m_dScale;
    QLabel* m_pTitle = nullptr;
    QLabel* m_pText = nullptr;
    QLabel* m_pText2 = nullptr;
    KivoPushButton* m_pYes = nullptr;
    KivoPushButton* m_pNo = nullptr;
    KivoPushButton* m_pOther = nullptr;
    bool m_bDragging = false;
    QPoint m_DragOffset;
};
