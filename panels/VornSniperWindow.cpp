#include "panels/VornSniperWindow.h"

#include "store/ModelTable.h"
#include "widgets/UiScale.h"
#include "widgets/VornLabel.h"
#include "widgets/VornSlider.h"

VornSniperWindow::VornSniperWindow(QWidget *parent)
    : QWidget(parent)
    , m_title(new VornLabel(QString(), this))
    , m_dpi(new VornLabel(QString(), this))
    , m_slider(new VornSlider(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("sniperEditor"));
    m_sensor = sensorType();
    setAttribute(Qt::WA_StyledBackground);
    m_dpi->setObjectName(QStringLiteral("sniperDpi"));
    m_slider->setObjectName(QStringLiteral("sniperSlider"));
    m_slider->setRange(1, 10);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::NoTicks);
    m_slider->setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal{border-image: url(./skin/pspeed.png);}"
                       "QSlider::handle:horizontal{image: url(./skin/pspeed-slider.png);}"));
    connect(m_slider, &QSlider::valueChanged, this, [this](int step) {
        m_value = quint8(step);
        showDpi();
        emit SetSniperValue(m_value);
    });
    m_layout.add(m_title, QRect(0, 0, 200, 20));
    m_layout.add(m_slider, QRect(0, 34, 300, 22));
    m_layout.add(m_dpi, QRect(315, 34, 120, 22));
    retranslate();
    rescale();
}

void VornSniperWindow::load(quint8 value)
{
    m_sensor = sensorType();
    const std::optional<SniperScale> scale = sniperScale(m_sensor);
    m_value = quint8(correctedSniperStep(value, m_sensor));
    showDpi();
    {
        const QSignalBlocker blocker(m_slider);
        if (scale)
            m_slider->setRange(scale->sliderMin, scale->sliderMax);
        m_slider->setValue(m_value);
    }
    emit SetSniperValue(m_value);
}

QString VornSniperWindow::dpiText() const
{
    return m_dpi->text();
}

void VornSniperWindow::showDpi()
{
    m_dpi->setText(QString::number(dpiFromSlider(m_value, m_sensor)));
}

void VornSniperWindow::retranslate()
{
    m_title->setText(tr("Sniper Setting"));
}

void VornSniperWindow::rescale()
{
    m_layout.apply(UiScale::factor());
    m_title->setFont(UiScale::languageFont());
    m_dpi->setFont(UiScale::languageFont());
}
