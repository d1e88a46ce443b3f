#include "panels/VornTwoBarSlider.h"

#include "widgets/VornSlider.h"

#include <QtMath>

namespace {

// Handle widths of the seventeen size classes; the height is half.
constexpr int kHandleWidths[] = {18, 22, 26, 30, 36, 40, 44, 48, 54,
                                 58, 62, 66, 72, 76, 80, 84, 90};

QString sliderStyle(const char *groove, const char *handle, int width)
{
    return QStringLiteral("QSlider::groove:horizontal {border-image: url(./skin/%1);}"
                          "QSlider::handle:horizontal {width:  %3px;height: %4px;"
                          "border-image: url(./skin/%2);}")
        .arg(QLatin1String(groove), QLatin1String(handle))
        .arg(width)
        .arg(width / 2);
}

} // namespace

VornTwoBarSlider::VornTwoBarSlider(QWidget *parent)
    : QWidget(parent)
    , m_x(new VornSlider(Qt::Horizontal, this))
    , m_y(new VornSlider(Qt::Horizontal, this))
{
    for (VornSlider *slider : {m_x, m_y}) {
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setTickPosition(QSlider::NoTicks);
        connect(slider, &QSlider::valueChanged, this,
                [this] { emit SliderChangedSignal(m_x->value(), m_y->value()); });
    }
    m_x->setObjectName(QStringLiteral("dpiX"));
    m_y->setObjectName(QStringLiteral("dpiY"));
    applyScale(1.0, false);
}

void VornTwoBarSlider::setRange(int max, int min)
{
    m_max = max;
    m_min = min;
    m_x->setRange(min, max);
    m_y->setRange(min, max);
}

void VornTwoBarSlider::setValues(int x, int y)
{
    m_x->setValue(x);
    m_y->setValue(y);
}

void VornTwoBarSlider::setLinked(bool on)
{
    disconnect(m_xToY);
    disconnect(m_yToX);
    m_xToY = {};
    m_yToX = {};
    if (!on)
        return;
    m_x->setValue(m_y->value());
    m_xToY = connect(m_x, &QSlider::valueChanged, m_y, &QSlider::setValue);
    m_yToX = connect(m_y, &QSlider::valueChanged, m_x, &QSlider::setValue);
}

int VornTwoBarSlider::handleWidth(double s)
{
    const double steps = (s - 1.0) / 0.25;
    const int step = qRound(steps);
    if (step < 0 || step > 16 || !qFuzzyCompare(1.0 + steps, 1.0 + step))
        return 0;
    return kHandleWidths[step];
}

void VornTwoBarSlider::applyScale(double s, bool wide)
{
    const int width = int((wide ? 331 : 301) * s);
    const int height = int(9 * s);
    setFixedSize(width, int(18 * s));
    m_x->setGeometry(0, 0, width, height);
    m_y->setGeometry(0, int(8 * s), width, height);
    // A factor between two size classes keeps the style it had.
    const int handle = handleWidth(s);
    if (handle == 0)
        return;
    m_x->setStyleSheet(sliderStyle("DPI_L_2.png", "slider-v.png", handle));
    m_y->setStyleSheet(sliderStyle("DPI_R_1.png", "slider-v2.png", handle));
}
