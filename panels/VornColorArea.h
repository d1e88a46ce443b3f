#pragma once

#include <QColor>
#include <QWidget>

#include <array>

class DefaultColorArea;
class HColorArea;
class PreviewColorArea;
class QLabel;
class QLineEdit;
class QSpinBox;
class SVColorArea;
class VornPushButton;

// The colour editor of the lighting panel: hue bar, saturation-value
// square, preview, H/S/V and R/G/B fields, the hexadecimal field, the seven
// swatches and APPLY. VornChangeColor reports every colour the user makes;
// ApplyColor asks for it to be sent to the mouse.
class VornColorArea : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSwatches = 7;

    explicit VornColorArea(QWidget *parent = nullptr);

    // Shows a colour set from outside (a mode change); emits nothing.
    void setColor(const QColor &color);
    QColor color() const { return m_color.toRgb(); }
    // Swatch-only models offer no hue bar, square and number fields.
    void setSwatchOnly(bool swatchOnly);
    void retranslate();
    void rescale();

    // The colour a hexadecimal text of any length stands for.
    static QColor colorFromHex(const QString &text);

    HColorArea *hueBar() const { return m_hueBar; }
    SVColorArea *square() const { return m_square; }
    PreviewColorArea *preview() const { return m_preview; }
    QSpinBox *field(int i) const { return m_fields[size_t(i)]; } // H S V R G B
    QLineEdit *hexField() const { return m_hex; }
    DefaultColorArea *swatch(int i) const { return m_swatches[size_t(i)]; }
    VornPushButton *applyButton() const { return m_apply; }

signals:
    void VornChangeColor(QColor color);
    void ApplyColor();

public slots:
    void color_clicked();
    void hValueChangedSlot(int value);
    void sValueChangedSlot(int value);
    void vValueChangedSlot(int value);
    void rValueChangedSlot(int value);
    void gValueChangedSlot(int value);
    void bValueChangedSlot(int value);
    void updateEditData(int h, int s, int v);
    void editChangedSlot(const QString &text);
    void editFinishedSlot();
    void MouseReleaseSlot();

private slots:
    void onApplyClicked();

private:
    enum Field { H, S, V, R, G, B };
    // Shows `color` in every part but the ones named.
    void showColor(const QColor &color, bool hexText = true, bool pickers = true);
    void fromHsvFields();
    void fromRgbFields();
    void layoutChildren();

    VornPushButton *m_header;
    HColorArea *m_hueBar;
    SVColorArea *m_square;
    PreviewColorArea *m_preview;
    std::array<QSpinBox *, 6> m_fields{};
    std::array<QLabel *, 6> m_fieldLabels{};
    QLabel *m_hexLabel;
    QLineEdit *m_hex;
    std::array<DefaultColorArea *, kSwatches> m_swatches{};
    VornPushButton *m_apply;
    QColor m_color = Qt::black;
    int m_h = 0;
    int m_s = 0;
    int m_v = 0;
    // Set while the fields are being filled, so they do not feed back.
    bool m_updating = false;
};
