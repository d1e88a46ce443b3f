#include "panels/VornLiftOffDistance.h"

#include "store/ConfigFile.h"
#include "store/ModelTable.h"
#include "store/ProfileData.h"
#include "widgets/DesignLayout.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornLabel.h"
#include "widgets/VornMenu.h"
#include "widgets/VornPushButton.h"

namespace {

// Under the report rate, in the same column.
constexpr QRect kLiftOffPanel{746, 160, 199, 84};

} // namespace

VornLiftOffDistance::VornLiftOffDistance(QWidget *parent)
    : SettingsPanel(parent)
    , m_title(new VornLabel(QString(), this))
    , m_button(new VornPushButton(Skin::buttonImages("dropdown"), this))
    , m_menu(new VornMenu(this))
{
    setObjectName(QStringLiteral("liftOffPanel"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("VornLiftOffDistance {background-color: rgb(33,35,35);}"));
    m_button->setObjectName(QStringLiteral("liftOffButton"));
    m_button->setMenu(m_menu);
    for (size_t i = 0; i < liftOffDistances().size(); ++i) {
        auto *action = new VornAction(QString(), this);
        const quint8 code = quint8(i);
        connect(action, &QAction::triggered, this, [this, code] {
            m_code = code;
            m_button->setText(distanceText(code));
        });
        m_actions.push_back(action);
    }
    retranslate();
    rescale();
}

QRect VornLiftOffDistance::designRect() const
{
    // The mice that keep their own distance have nothing to set here.
    return sendsLiftOff(readProductName()) ? kLiftOffPanel : QRect();
}

QString VornLiftOffDistance::distanceText(quint8 code)
{
    const std::vector<const char *> &distances = liftOffDistances();
    return code < distances.size() ? tr(distances[code]) : QString();
}

void VornLiftOffDistance::loadRecord(ProfileStore &store)
{
    // A different mouse may have been opened since the window placed us.
    const QRect r = designRect();
    setGeometry(UiScale::scaled(r.x()), UiScale::scaled(r.y()), UiScale::scaled(r.width()),
                UiScale::scaled(r.height()));
    setValue(store.LiftHigh);
}

void VornLiftOffDistance::collectRecord(ProfileStore &store)
{
    store.LiftHigh = m_code;
}

void VornLiftOffDistance::setValue(quint8 code)
{
    m_code = code;
    const QString text = distanceText(code);
    if (!text.isEmpty())
        m_button->setText(text);
    // The two-distance model offers the shorter two.
    m_menu->clear();
    const int count = liftOffDistanceCount(readProductName());
    for (size_t i = m_actions.size() - size_t(count); i < m_actions.size(); ++i)
        m_menu->addAction(m_actions[i]);
}

void VornLiftOffDistance::slotRefreshLift(quint8 lift)
{
    setValue(lift);
}

void VornLiftOffDistance::retranslate()
{
    m_title->setText(tr("Lift Off Distance"));
    for (size_t i = 0; i < m_actions.size(); ++i)
        m_actions[i]->setText(distanceText(quint8(i)));
    const QString text = distanceText(m_code);
    if (!text.isEmpty())
        m_button->setText(text);
}

void VornLiftOffDistance::rescale()
{
    m_title->setGeometry(UiScale::scaled({14, 10, 171, 22}));
    m_button->setGeometry(UiScale::scaled({14, 38, 171, 29}));
    const QFont font = UiScale::languageFont();
    m_title->setFont(font);
    m_button->setFont(font);
}
