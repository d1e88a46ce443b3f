#include "panels/VornReportRate.h"

#include "store/ModelTable.h"
#include "widgets/DesignLayout.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornLabel.h"
#include "widgets/VornMenu.h"
#include "widgets/VornPushButton.h"

namespace {} // namespace

VornReportRate::VornReportRate(QWidget *parent)
    : SettingsPanel(parent)
    , m_title(new VornLabel(QString(), this))
    , m_button(new VornPushButton(Skin::buttonImages("dropdown"), this))
    , m_menu(new VornMenu(this))
{
    setObjectName(QStringLiteral("reportRatePanel"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("VornReportRate {background-color: rgb(33,35,35);}"));
    m_button->setObjectName(QStringLiteral("reportRateButton"));
    m_button->setMenu(m_menu);
    for (const ReportRate &rate : reportRates()) {
        auto *action = new VornAction(QString(), m_menu);
        const quint8 code = rate.code;
        connect(action, &QAction::triggered, this, [this, code] {
            m_ProfileData.pollrate = code;
            showRate();
        });
        m_menu->addAction(action);
        m_actions.push_back(action);
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
    const ReportRate *rate = reportRateByCode(code);
    return rate ? tr(rate->text) : QString();
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
        m_actions[i]->setText(rateText(reportRates()[i].code));
    showRate();
}

void VornReportRate::rescale()
{
    m_title->setGeometry(UiScale::scaled({14, 14, 171, 22}));
    m_button->setGeometry(UiScale::scaled({14, 42, 171, 29}));
    const QFont font = UiScale::languageFont();
    m_title->setFont(font);
    m_button->setFont(font);
}
