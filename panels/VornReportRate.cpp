#include "panels/VornReportRate.h"

#include "widgets/DesignLayout.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornLabel.h"
#include "widgets/VornMenu.h"
#include "widgets/VornPushButton.h"

namespace {

// Codes are the report interval in milliseconds, in menu order.
constexpr quint8 kCodes[] = {8, 4, 2, 1};

QRect scaledRect(int x, int y, int w, int h)
{
    return QRect(UiScale::scaled(x), UiScale::scaled(y), UiScale::scaled(w), UiScale::scaled(h));
}

} // namespace

VornReportRate::VornReportRate(QWidget *parent)
    : SettingsPanel(parent)
    , m_title(new VornLabel(QString(), this))
    , m_button(new VornPushButton({QStringLiteral("/skin/dropdown_1.png"),
                                   QStringLiteral("/skin/dropdown_2.png"),
                                   QStringLiteral("/skin/dropdown_3.png")},
                                  this))
    , m_menu(new VornMenu(this))
{
    setObjectName(QStringLiteral("reportRatePanel"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("VornReportRate {background-color: rgb(33,35,35);}"));
    m_button->setObjectName(QStringLiteral("reportRateButton"));
    m_button->setMenu(m_menu);
    for (size_t i = 0; i < m_actions.size(); ++i) {
        auto *action = new VornAction(QString(), m_menu);
        const quint8 code = kCodes[i];
        connect(action, &QAction::triggered, this, [this, code] {
            m_ProfileData.pollrate = code;
            showRate();
        });
        m_menu->addAction(action);
        m_actions[i] = action;
    }
    retranslate();
    rescale();
}

QRect VornReportRate::designRect() const
{
    return DesignLayout::kReportRatePanel;
}

QString VornReportRate::rateText(quint8 code)
{
    switch (code) {
    case 8:
        return tr("125 HZ");
    case 4:
        return tr("250 HZ");
    case 2:
        return tr("500 HZ");
    case 1:
        return tr("1000 HZ");
    default:
        return QString();
    }
}

void VornReportRate::loadRecord(ProfileStore &store)
{
    m_store = &store;
    setRecord(store.profiles[store.curProfile % kProfileCount]);
}

void VornReportRate::collectRecord(ProfileStore &store)
{
    store.profiles[store.curProfile % kProfileCount].pollrate = m_ProfileData.pollrate;
}

void VornReportRate::setRecord(const ProfileData &rec)
{
    m_ProfileData = rec;
    showRate();
}

void VornReportRate::slotRefreshRate(quint8)
{
    if (m_store)
        setRecord(m_store->profiles[m_store->curProfile % kProfileCount]);
}

void VornReportRate::showRate()
{
    // A code the menu does not know leaves the button as it was.
    const QString text = rateText(m_ProfileData.pollrate);
    if (!text.isEmpty())
        m_button->setText(text);
}

void VornReportRate::retranslate()
{
    m_title->setText(tr("REPORT RATE"));
    for (size_t i = 0; i < m_actions.size(); ++i)
        m_actions[i]->setText(rateText(kCodes[i]));
    showRate();
}

void VornReportRate::rescale()
{
    m_title->setGeometry(scaledRect(14, 14, 171, 22));
    m_button->setGeometry(scaledRect(14, 42, 171, 29));
    const QFont font = UiScale::languageFont();
    m_title->setFont(font);
    m_button->setFont(font);
}
