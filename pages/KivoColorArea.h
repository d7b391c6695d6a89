#pragma once

#include "widgets/KivoTranslucentDialog.h"

#include <QColor>

class DefaultColorArea;
class HColorArea;
class KivoPushButton;
class PreviewColorArea;
class QLabel;
class QLineEdit;
class QSpinBox;
class SVColorArea;

// The modal colour dialog: hue bar, saturation/value field, preview, seven default colours,
// H/S/V and R/G/B spin boxes and a hexadecimal edit, kept consistent with each other. The caller
// sets the starting colour, runs it and reads color() once it was accepted ("Ok").
class KivoColorArea : public KivoTranslucentDialog
{
    Q_OBJECT
public:
    static constexpr int kWidth = 470;
    static constexpr int kHeight = 310;
    static constexpr int kDefaultColorCount = 7;

    explicit KivoColorArea(QWidget* parent = nullptr, double dScale = 1.0);

    QColor color() const { return m_Color; }
    // The starting colour; H, S, V and R, G, B follow from it. Always opaque.
    void setColor(const QColor& color);
    int hue() const { return m_iHue; }
    int saturation() const { return m_iSat; }
    int value() const { return m_iVal; }

    // Completes a typed hexadecimal colour to six digits by its length ("f0a" -> "ff00aa").
    // Text longer than six digits is cut to six.
    static QString completeHex(const QString& text);

signals:
    void KivoChangeColor(QColor color);
    void ApplyColor();

public slots:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void color_clicked();
    void hValueChangedSlot(int iValue);
    void sValueChangedSlot(int iValue);
    void vValueChangedSlot(int iValue);
    void rValueChangedSlot(int iValue);
    void gValueChangedSlot(int iValue);
    void bValueChangedSlot(int iValue);
    void updateEditData(int iHue, int iSat, int iVal);
    void editChangedSlot(const QString& text);
    void editFinishedSlot();
    void MouseReleaseSlot();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void placeControls();
    void retranslate();
    QSpinBox* spinBox(int iTop, const char* name);
    void onButton(KivoPushButton* button);
    // The R, G, B road: the colour decides H, S and V.
    void takeRgb(const QColor& color);
    // The H, S, V road: the triple decides the colour.
    void takeHsv(int iHue, int iSat, int iVal);
    // Shows the current colour and triple in every control; the guard is held.
    void showAll();

    QColor m_Color = QColor(255, 0, 0);
    int m_iHue = 0;
    int m_iSat = 255;
    int m_iVal = 255;
    // Set while one control updates the others: their change signals are ignored meanwhile.
    bool m_bUpdating = false;

    QLabel* m_pTitle = nullptr;
    HColorArea* m_pHueBar = nullptr;
    SVColorArea* m_pSvField = nullptr;
    PreviewColorArea* m_pPreview = nullptr;
    DefaultColorArea* m_pDefaults[kDefaultColorCount] = {};
    QLabel* m_pLabels[6] = {};
    QSpinBox* m_pHSpin = nullptr;
    QSpinBox* m_pSSpin = nullptr;
    QSpinBox* m_pVSpin = nullptr;
    QSpinBox* m_pRSpin = nullptr;
    QSpinBox* m_pGSpin = nullptr;
    QSpinBox* m_pBSpin = nullptr;
    QLabel* m_pHexLabel = nullptr;
    QLineEdit* m_pHexEdit = nullptr;
    KivoPushButton* m_pOk = nullptr;
    KivoPushButton* m_pNo = nullptr;
};
