#include "panels/VornColorArea.h"

#include "panels/ColorAreas.h"
#include "panels/QtColour.h"
#include "store/ProfileDefaults.h"
#include "widgets/UiScale.h"
#include "widgets/VornPushButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace {

QString hexOf(const QColor &c)
{
    return QStringLiteral("%1%2%3")
        .arg(c.red(), 2, 16, QLatin1Char('0'))
        .arg(c.green(), 2, 16, QLatin1Char('0'))
        .arg(c.blue(), 2, 16, QLatin1Char('0'));
}

int hexValue(const QString &digits)
{
    return digits.toInt(nullptr, 16);
}

} // namespace

VornColorArea::VornColorArea(QWidget *parent)
    : QWidget(parent)
    , m_header(new VornPushButton({QStringLiteral("/skin/tabbutton-1.png"),
                                   QStringLiteral("/skin/tabbutton-3.png"),
                                   QStringLiteral("/skin/tabbutton-2.png")},
                                  this))
    , m_hueBar(new HColorArea(this))
    , m_square(new SVColorArea(this))
    , m_preview(new PreviewColorArea(this))
    , m_hexLabel(new QLabel(QStringLiteral("#"), this))
    , m_hex(new QLineEdit(this))
    , m_apply(new VornPushButton({QStringLiteral("/skin/button_1.png"),
                                  QStringLiteral("/skin/button_2.png"),
                                  QStringLiteral("/skin/button_3.png")},
                                 this))
{
    setObjectName(QStringLiteral("colorArea"));
    m_header->setSelected(true);
    m_header->setInert(true);
    m_header->setStyleSheet(QStringLiteral("color: rgb(225,225,225)"));
    m_apply->setObjectName(QStringLiteral("colorApply"));
    m_hex->setObjectName(QStringLiteral("colorHex"));
    m_hex->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9a-fA-F]{0,6}")), m_hex));

    const char *names[] = {"H", "S", "V", "R", "G", "B"};
    for (int i = 0; i < 6; ++i) {
        auto *field = new QSpinBox(this);
        field->setObjectName(QStringLiteral("color%1").arg(QLatin1String(names[i])));
        field->setRange(0, i == H ? 360 : 255);
        field->setButtonSymbols(QAbstractSpinBox::NoButtons);
        // R, G and B send and save the colour: once a number is finished
        // (Enter, leaving the field), not at every digit typed.
        field->setKeyboardTracking(i < R);
        m_fields[size_t(i)] = field;
        m_fieldLabels[size_t(i)] = new QLabel(QLatin1String(names[i]), this);
    }
    for (int i = 0; i < kSwatches; ++i) {
        auto *swatch = new DefaultColorArea(toQColor(baseColours()[size_t(i)]), this);
        swatch->setObjectName(QStringLiteral("swatch%1").arg(i));
        m_swatches[size_t(i)] = swatch;
        connect(swatch, &DefaultColorArea::ClickedSignal, this, &VornColorArea::color_clicked);
    }
    setStyleSheet(
        QStringLiteral("QLabel {color: rgb(200,200,200);}"
                       "QSpinBox, QLineEdit {background-color: rgb(20,20,20); color: white;"
                       " border: 1px solid rgb(70,70,70);}"));

    connect(m_hueBar, &HColorArea::hueChangedSignal, m_square, &SVColorArea::hueChangedSlot);
    connect(m_square, &SVColorArea::svChangedSignal, m_preview, &PreviewColorArea::svChangedSlot);
    connect(m_preview, &PreviewColorArea::svChangedSignal, this, &VornColorArea::updateEditData);
    connect(m_hex, &QLineEdit::textEdited, this, &VornColorArea::editChangedSlot);
    connect(m_hex, &QLineEdit::editingFinished, this, &VornColorArea::editFinishedSlot);
    connect(m_fields[H], qOverload<int>(&QSpinBox::valueChanged), this,
            &VornColorArea::hValueChangedSlot);
    connect(m_fields[S], qOverload<int>(&QSpinBox::valueChanged), this,
            &VornColorArea::sValueChangedSlot);
    connect(m_fields[V], qOverload<int>(&QSpinBox::valueChanged), this,
            &VornColorArea::vValueChangedSlot);
    connect(m_fields[R], qOverload<int>(&QSpinBox::valueChanged), this,
            &VornColorArea::rValueChangedSlot);
    connect(m_fields[G], qOverload<int>(&QSpinBox::valueChanged), this,
            &VornColorArea::gValueChangedSlot);
    connect(m_fields[B], qOverload<int>(&QSpinBox::valueChanged), this,
            &VornColorArea::bValueChangedSlot);
    connect(m_hueBar, &HColorArea::mouseReleaseSignal, this, &VornColorArea::MouseReleaseSlot);
    connect(m_square, &SVColorArea::mouseReleaseSignal, this, &VornColorArea::MouseReleaseSlot);
    // APPLY sends the colour shown, like a swatch click does.
    connect(m_apply, &QPushButton::clicked, this, &VornColorArea::onApplyClicked);

    retranslate();
    showColor(m_color);
    rescale();
}

void VornColorArea::retranslate()
{
    m_header->setText(tr("COLOR"));
    m_apply->setText(tr("APPLY"));
}

void VornColorArea::rescale()
{
    m_hueBar->rescale();
    m_square->rescale();
    const QFont font = UiScale::languageFont();
    for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        w->setFont(font);
    showColor(m_color, true, true);
    layoutChildren();
}

void VornColorArea::layoutChildren()
{
    m_header->setGeometry(UiScale::scaled({0, 0, 96, 22}));
    m_hueBar->move(UiScale::scaled(10), UiScale::scaled(24));
    m_square->move(UiScale::scaled(44), UiScale::scaled(24) + HColorArea::kTop);
    m_preview->setGeometry(UiScale::scaled({186, 31, 64, 40}));
    m_apply->setGeometry(UiScale::scaled({260, 38, 66, 26}));
    for (int i = 0; i < 6; ++i) {
        const int column = i < R ? 186 : 262;
        const int y = 80 + 24 * (i % 3);
        m_fieldLabels[size_t(i)]->setGeometry(UiScale::scaled({column, y, 14, 20}));
        m_fields[size_t(i)]->setGeometry(UiScale::scaled({column + 16, y, 52, 20}));
    }
    m_hexLabel->setGeometry(UiScale::scaled({186, 156, 14, 20}));
    m_hex->setGeometry(UiScale::scaled({202, 156, 128, 20}));
    for (int i = 0; i < kSwatches; ++i)
        m_swatches[size_t(i)]->setGeometry(UiScale::scaled({44 + 18 * i, 166, 16, 16}));
}

void VornColorArea::setSwatchOnly(bool swatchOnly)
{
    m_hueBar->setVisible(!swatchOnly);
    m_square->setVisible(!swatchOnly);
    for (int i = 0; i < 6; ++i) {
        m_fields[size_t(i)]->setVisible(!swatchOnly);
        m_fieldLabels[size_t(i)]->setVisible(!swatchOnly);
    }
}

void VornColorArea::setColor(const QColor &color)
{
    showColor(color.isValid() ? color : QColor(Qt::black));
}

void VornColorArea::showColor(const QColor &color, bool hexText, bool pickers)
{
    m_updating = true;
    // A colour made from H, S and V keeps them exactly, grey keeping its hue.
    m_color = color;
    m_color.setAlpha(255);
    m_h = qMax(0, m_color.hsvHue());
    m_s = m_color.hsvSaturation();
    m_v = m_color.value();
    const int values[] = {m_h, m_s, m_v, m_color.red(), m_color.green(), m_color.blue()};
    for (int i = 0; i < 6; ++i)
        m_fields[size_t(i)]->setValue(values[i]);
    if (hexText)
        m_hex->setText(hexOf(m_color));
    if (pickers) {
        m_hueBar->setHue(m_h);
        m_square->setHue(m_h);
        m_square->setSaturationValue(m_s, m_v);
    }
    m_preview->setColor(m_color);
    m_updating = false;
}

QColor VornColorArea::colorFromHex(const QString &text)
{
    const auto digit = [&text](int from, int count) { return hexValue(text.mid(from, count)); };
    switch (text.size()) {
    case 1:
    case 2:
        return QColor(0, 0, digit(0, 2));
    case 3:
        return QColor(digit(0, 1) * 17, digit(1, 1) * 17, digit(2, 1) * 17);
    case 4:
        return QColor(0, digit(0, 2), digit(2, 2));
    case 5:
        return QColor(digit(0, 1), digit(1, 2), digit(3, 2));
    case 6:
        return QColor(digit(0, 2), digit(2, 2), digit(4, 2));
    default:
        return QColor(0, 0, 0);
    }
}

void VornColorArea::fromHsvFields()
{
    if (m_updating)
        return;
    QColor c;
    c.setHsv(m_fields[H]->value(), m_fields[S]->value(), m_fields[V]->value(), 255);
    showColor(c);
    emit VornChangeColor(color());
}

void VornColorArea::fromRgbFields()
{
    if (m_updating)
        return;
    QColor c;
    c.setRgb(m_fields[R]->value(), m_fields[G]->value(), m_fields[B]->value(), 255);
    showColor(c);
    emit VornChangeColor(color());
    emit ApplyColor();
}

void VornColorArea::hValueChangedSlot(int)
{
    fromHsvFields();
}

void VornColorArea::sValueChangedSlot(int)
{
    fromHsvFields();
}

void VornColorArea::vValueChangedSlot(int)
{
    fromHsvFields();
}

void VornColorArea::rValueChangedSlot(int)
{
    fromRgbFields();
}

void VornColorArea::gValueChangedSlot(int)
{
    fromRgbFields();
}

void VornColorArea::bValueChangedSlot(int)
{
    fromRgbFields();
}

void VornColorArea::updateEditData(int h, int s, int v)
{
    QColor c;
    c.setHsv(h, s, v, 255);
    // The pointer is on the bar or the square already: leave them there.
    showColor(c, true, false);
    emit VornChangeColor(color());
}

void VornColorArea::editChangedSlot(const QString &text)
{
    showColor(colorFromHex(text), false);
    emit VornChangeColor(color());
}

void VornColorArea::editFinishedSlot()
{
    // Whatever was typed is read as a colour already; the field now shows
    // that colour's six digits.
    m_hex->setText(hexOf(m_color));
}

void VornColorArea::MouseReleaseSlot()
{
    emit ApplyColor();
}

void VornColorArea::color_clicked()
{
    auto *swatch = qobject_cast<DefaultColorArea *>(sender());
    if (!swatch)
        return;
    showColor(swatch->color());
    emit VornChangeColor(color());
    emit ApplyColor();
}

void VornColorArea::onApplyClicked()
{
    if (sender() == m_apply)
        emit ApplyColor();
}
