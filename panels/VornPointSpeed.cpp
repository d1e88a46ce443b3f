#include "panels/VornPointSpeed.h"

#include "panels/PanelLog.h"
#include "panels/PanelStyle.h"
#include "store/ProfileData.h"
#include "widgets/DesignLayout.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornLabel.h"
#include "widgets/VornSlider.h"

#include <QSpinBox>

namespace {} // namespace

VornPointSpeed::VornPointSpeed(QWidget *parent)
    : SettingsPanel(parent)
    , m_pointerLabel(new VornLabel(QString(), this))
    , m_scrollLabel(new VornLabel(QString(), this))
    , m_slider(new VornSlider(Qt::Horizontal, this))
    , m_scroll(new QSpinBox(this))
{
    setObjectName(QStringLiteral("pointSpeedPanel"));
    setAttribute(Qt::WA_StyledBackground);
    // A styled box draws no arrows of its own: the skin's, on dark buttons.
    setStyleSheet(
        QStringLiteral("VornPointSpeed {background-color: rgb(33,35,35);}"
                       "QSpinBox {background-color: rgb(20,20,20); color: white;"
                       " border: 1px solid rgb(70,70,70);}"
                       "QSpinBox::up-button, QSpinBox::down-button {subcontrol-origin: border;"
                       " width: 14px; background: rgb(45,46,50);"
                       " border-left: 1px solid rgb(70,70,70);}"
                       "QSpinBox::up-button {subcontrol-position: top right;}"
                       "QSpinBox::down-button {subcontrol-position: bottom right;}"
                       "QSpinBox::up-button:hover, QSpinBox::down-button:hover {"
                       " background: rgb(150,20,28);}"
                       "QSpinBox::up-arrow {image: url(%1); width: 7px; height: 5px;}"
                       "QSpinBox::down-arrow {image: url(%2); width: 7px; height: 5px;}")
            .arg(Skin::path(QStringLiteral("/skin/spin_up.png")),
                 Skin::path(QStringLiteral("/skin/spin_down.png"))));
    m_slider->setObjectName(QStringLiteral("pointerSpeedSlider"));
    m_scroll->setObjectName(QStringLiteral("scrollSpeedField"));
    m_slider->setRange(1, 20);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_scroll->setRange(1, 20);
    connect(m_slider, &QSlider::valueChanged, this, &VornPointSpeed::onSliderValue);
    connect(m_scroll, qOverload<int>(&QSpinBox::valueChanged), this,
            &VornPointSpeed::sValueChangedSlot);
    retranslate();
    rescale();
}

QRect VornPointSpeed::designRect() const
{
    return DesignLayout::kPointSpeedPanel;
}

void VornPointSpeed::loadRecord(ProfileStore &store)
{
    setRecord(&store.profiles[store.curProfile % kProfileCount]);
}

void VornPointSpeed::setRecord(ProfileData *rec)
{
    // Showing the record is not an edit of it.
    m_record = nullptr;
    m_slider->setValue(rec->mousespeed);
    m_scroll->setValue(rec->scrollspeed);
    m_record = rec;
    const QFont font = UiScale::languageFont();
    m_pointerLabel->setFont(font);
    m_scrollLabel->setFont(font);
}

void VornPointSpeed::onSliderValue(int value)
{
    if (sender() != m_slider || !m_record)
        return;
    qCDebug(lcPanels, "slider_clicked 1 = %d", value);
    m_record->mousespeed = quint8(value);
}

void VornPointSpeed::sValueChangedSlot(int value)
{
    if (!m_record)
        return;
    qCDebug(lcPanels, "slider_clicked 1 = %d", value);
    m_record->scrollspeed = quint8(value);
}

void VornPointSpeed::retranslate()
{
    m_pointerLabel->setText(tr("POINTER SPEED"));
    m_scrollLabel->setText(tr("SCROLL SPEED"));
}

void VornPointSpeed::rescale()
{
    m_pointerLabel->setGeometry(UiScale::scaled({16, 10, 200, 20}));
    m_slider->setGeometry(UiScale::scaled({16, 40, 280, 22}));
    m_scrollLabel->setGeometry(UiScale::scaled({320, 10, 120, 20}));
    m_scroll->setGeometry(UiScale::scaled({320, 38, 70, 24}));
    m_scroll->setFont(UiScale::languageFont());
    m_slider->setStyleSheet(levelSliderStyle(QStringLiteral("pspeed.png")));
}
