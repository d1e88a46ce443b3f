#include "panels/VornDPIWindow.h"

#include "panels/PanelLog.h"
#include "panels/VornTwoBarSlider.h"
#include "store/ConfigFile.h"
#include "store/ModelTable.h"
#include "widgets/DesignLayout.h"
#include "widgets/UiScale.h"
#include "widgets/VornSlider.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace {

// Design places inside the panel (456 x 386). A row is two lines: the
// stage with its values above, the enable box and the bar below.
constexpr int kHeadingY = 6;
constexpr int kFirstRowY = 30;
constexpr int kRowPitch = 71;
constexpr int kBarLineY = 32;

QString checkStyle()
{
    // The stage buttons are lamps, so that the active stage does not read
    // as one more check box.
    return QStringLiteral(
               "QCheckBox, QRadioButton {spacing: 6px;}"
               "QCheckBox::indicator, QRadioButton::indicator {width: %1px; height: %1px;}"
               "QCheckBox::indicator:unchecked {border-image: url(./skin/checkbox1-1.png);}"
               "QCheckBox::indicator:checked {border-image: url(./skin/checkbox1-2.png);}"
               "QRadioButton::indicator:unchecked {border-image: url(./skin/DPI-OFF.png);}"
               "QRadioButton::indicator:checked {border-image: url(./skin/DPI-ON.png);}")
        .arg(UiScale::scaled(16));
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::All, QPalette::WindowText, colour);
    widget->setPalette(p);
}

} // namespace

VornDPIWindow::VornDPIWindow(QWidget *parent)
    : SettingsPanel(parent), m_group(new QButtonGroup(this)), m_enableHeading(new QLabel(this))
{
    setObjectName(QStringLiteral("dpiPanel"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("VornDPIWindow {background-color: rgb(33,35,35);}"));
    m_group->setExclusive(true);
    m_enableHeading->setObjectName(QStringLiteral("dpiEnableHeading"));
    setTextColour(m_enableHeading, QColor(160, 160, 160));

    for (int s = 0; s < kDpiStageCount; ++s) {
        Row &row = m_rows[size_t(s)];
        row.radio = new QRadioButton(this);
        row.radio->setObjectName(QStringLiteral("dpiStage%1").arg(s));
        m_group->addButton(row.radio, s);
        row.enable = new QCheckBox(this);
        row.enable->setObjectName(QStringLiteral("dpiEnable%1").arg(s));
        row.link = new QCheckBox(this);
        row.link->setObjectName(QStringLiteral("dpiLink%1").arg(s));
        setTextColour(row.link, Qt::white);
        row.slider = new VornTwoBarSlider(this);
        row.slider->setObjectName(QStringLiteral("dpiSlider%1").arg(s));
        row.xLabel = new QLabel(this);
        row.yLabel = new QLabel(this);
        row.low = new QLabel(this);
        row.high = new QLabel(this);
        row.low->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.high->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (QLabel *end : {row.low, row.high})
            setTextColour(end, QColor(160, 160, 160));

        connect(row.radio, &QAbstractButton::clicked, this, &VornDPIWindow::onRadioChanged);
        connect(row.enable, &QCheckBox::stateChanged, this, &VornDPIWindow::onStateChanged);
        connect(row.link, &QCheckBox::stateChanged, this, &VornDPIWindow::onStateChanged);
        connect(row.slider, &VornTwoBarSlider::SliderChangedSignal, this,
                &VornDPIWindow::onSliderChanged);
    }
    retranslate();
    setScale(UiScale::factor());
}

QRect VornDPIWindow::designRect() const
{
    return DesignLayout::kDpiPanel;
}

void VornDPIWindow::loadRecord(ProfileStore &store)
{
    setProfile(store.profiles[store.curProfile % kProfileCount], sensorType());
}

void VornDPIWindow::collectRecord(ProfileStore &store)
{
    ProfileData &rec = store.profiles[store.curProfile % kProfileCount];
    rec.dpi = m_ProfileData.dpi;
    for (int s = 0; s < kDpiStageCount; ++s)
        rec.DPI_INFO[s] = m_ProfileData.DPI_INFO[s];
}

void VornDPIWindow::retranslate()
{
    m_enableHeading->setText(tr("Enable"));
    for (int s = 0; s < kDpiStageCount; ++s) {
        Row &row = m_rows[size_t(s)];
        row.radio->setText(tr("STAGE %1").arg(s + 1));
        row.enable->setToolTip(tr("Enable"));
        row.link->setText(tr("Link XY"));
    }
}

void VornDPIWindow::rescale()
{
    setScale(UiScale::factor());
}

void VornDPIWindow::setSensor(quint32 sensor)
{
    m_sensor = sensor;
    const QString product = readProductName();
    m_compact = usesCompactDpiLayout(product);
    m_enableHeading->setVisible(!m_compact);
    const DpiScale scale = dpiScale(sensor, product);
    const DpiSliderRange range = scale.range;
    m_stageCount = dpiStageCount(product);
    for (int s = 0; s < kDpiStageCount; ++s) {
        Row &row = m_rows[size_t(s)];
        row.enable->setVisible(!m_compact);
        row.low->setText(QString::number(dpiFromSlider(range.min, scale.sensor)));
        row.high->setText(QString::number(dpiFromSlider(range.max, scale.sensor)));
        row.slider->setRange(range.max, range.min);
        // A stage the mouse does not have is shown greyed and left alone.
        const bool present = s < m_stageCount;
        for (QWidget *w : std::initializer_list<QWidget *>{row.radio, row.enable, row.link,
                                                           row.slider, row.xLabel, row.yLabel})
            w->setEnabled(present);
    }
    layoutRows(UiScale::factor());
}

void VornDPIWindow::setProfile(const ProfileData &rec, quint32 sensor)
{
    m_sensor = sensor;
    setSensor(sensor);
    m_ProfileData = rec;
    for (int s = 0; s < kDpiStageCount; ++s) {
        Row &row = m_rows[size_t(s)];
        const DpiInfo &info = rec.DPI_INFO[s];
        // Loading a stage the mouse lacks must not change what it stores.
        const bool present = s < m_stageCount;
        const QSignalBlocker blockSlider(present ? nullptr : row.slider);
        row.link->setCheckState(info.link != 0 ? Qt::Checked : Qt::Unchecked);
        row.enable->setCheckState(info.used != 0 ? Qt::Checked : Qt::Unchecked);
        if (!present)
            row.slider->setLinked(false);
        // The box handlers wrote into the copy; the stage starts from the
        // record again, and the bars then show (and store) its values.
        m_ProfileData.DPI_INFO[s] = info;
        row.slider->setValues(int(info.x), int(info.y));
        showValues(s);
    }
    QAbstractButton *current = m_group->button(rec.dpi);
    if (current)
        current->setChecked(true);
    setCurrentStage(rec.dpi);
}

void VornDPIWindow::showValues(int stage)
{
    const DpiInfo &info = m_ProfileData.DPI_INFO[stage];
    Row &row = m_rows[size_t(stage)];
    row.xLabel->setText(QStringLiteral("X:%1").arg(dpiFromSlider(int(info.x), m_sensor)));
    row.yLabel->setText(QStringLiteral("Y:%1").arg(dpiFromSlider(int(info.y), m_sensor)));
}

void VornDPIWindow::setCurrentStage(quint8 stage)
{
    m_ProfileData.dpi = stage;
    showCurrentStage();
    if (QAbstractButton *current = m_group->button(stage))
        current->setChecked(true);
}

void VornDPIWindow::showCurrentStage()
{
    for (int s = 0; s < kDpiStageCount; ++s) {
        Row &row = m_rows[size_t(s)];
        const QColor colour = s == m_ProfileData.dpi ? QColor(Qt::red) : QColor(Qt::white);
        for (QWidget *w : std::initializer_list<QWidget *>{row.radio, row.xLabel, row.yLabel})
            setTextColour(w, colour);
    }
}

void VornDPIWindow::onRadioChanged()
{
    const int id = m_group->checkedId();
    if (id < 0)
        return;
    setCurrentStage(quint8(id));
    qCDebug(lcPanels, "m_ProfileData.dpi = %d", m_ProfileData.dpi);
}

void VornDPIWindow::onStateChanged(int state)
{
    const QObject *box = sender();
    for (int s = 0; s < kDpiStageCount; ++s) {
        Row &row = m_rows[size_t(s)];
        DpiInfo &info = m_ProfileData.DPI_INFO[s];
        if (box == row.link) {
            info.link = state == Qt::Checked ? 1 : 0;
            row.slider->setLinked(info.link != 0);
            return;
        }
        if (box == row.enable) {
            info.used = state == Qt::Checked ? 1 : 0;
            return;
        }
    }
}

void VornDPIWindow::onSliderChanged(int x, int y)
{
    const QObject *bar = sender();
    for (int s = 0; s < kDpiStageCount; ++s) {
        if (bar != m_rows[size_t(s)].slider)
            continue;
        m_ProfileData.DPI_INFO[s].x = quint32(x);
        m_ProfileData.DPI_INFO[s].y = quint32(y);
        showValues(s);
        qCDebug(lcPanels, "ix = %d value= %d", x, dpiFromSlider(y, m_sensor));
        return;
    }
}

void VornDPIWindow::setScale(double s)
{
    setStyleSheet(QStringLiteral("VornDPIWindow {background-color: rgb(33,35,35);}") +
                  checkStyle());
    const QFont font = UiScale::languageFont();
    for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        w->setFont(font);
    for (Row &row : m_rows) {
        row.link->setFixedSize(int(100 * s), int(24 * s));
        row.enable->setFixedSize(int(24 * s), int(24 * s));
    }
    // A new style sheet gives the children back the palettes they had when
    // it was first applied: the highlight would return to that stage.
    showCurrentStage();
    layoutRows(s);
}

void VornDPIWindow::layoutRows(double s)
{
    // The compact layout gives the enable column's room to the bar.
    const int barX = m_compact ? 66 : 96;
    m_enableHeading->setGeometry(UiScale::scaled({4, kHeadingY, 80, 20}, s));
    for (int i = 0; i < kDpiStageCount; ++i) {
        Row &row = m_rows[size_t(i)];
        const int y = kFirstRowY + kRowPitch * i;
        row.radio->setGeometry(UiScale::scaled({12, y, 130, 24}, s));
        row.xLabel->setGeometry(UiScale::scaled({156, y, 90, 24}, s));
        row.yLabel->setGeometry(UiScale::scaled({250, y, 90, 24}, s));
        row.link->move(int(346 * s), int(y * s));
        row.enable->move(int(12 * s), int((y + kBarLineY - 3) * s));
        row.low->setGeometry(UiScale::scaled({barX - 56, y + kBarLineY - 3, 52, 24}, s));
        row.slider->applyScale(s, m_compact);
        row.slider->move(int(barX * s), int((y + kBarLineY) * s));
        row.high->setGeometry(UiScale::scaled({401, y + kBarLineY - 3, 52, 24}, s));
    }
}
