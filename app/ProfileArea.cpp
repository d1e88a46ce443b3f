#include "app/ProfileArea.h"

#include "widgets/DesignLayout.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornLabel.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornMenu.h"
#include "widgets/VornPushButton.h"

#include <QCoreApplication>

namespace {

void placeScaled(QWidget *widget, const QRect &design, double scale)
{
    widget->setGeometry(UiScale::scaled(design, scale));
}

} // namespace

ProfileArea::ProfileArea(QWidget *window) : QObject(window)
{
    m_profileMenu = new VornMenu(window);
    m_nameEdit = new VornLineEdit(window);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setMaxLength(100);
    m_nameEdit->setFocusPolicy(Qt::ClickFocus);
    m_nameEdit->setAlignment(Qt::AlignCenter);
    m_nameEdit->setStyleSheet(
        QStringLiteral("QLineEdit{border-width:2px;background-color:rgb(30,30,30);color:white}"
                       "QToolTip{background-color:black}"));
    m_profileButton = new VornPushButton({QStringLiteral("/skin/profile_apply1.png")}, window);
    m_profileButton->setObjectName(QStringLiteral("profileButton"));
    m_profileButton->setMenu(m_profileMenu);
    m_nameLabel = new VornLabel(QString(), window);

    const char *commands[] = {"prof_save", "prof_load",   "prof_reset",
                              "prof_add",  "prof_delete", "prof_copy"};
    for (int i = 0; i < kCommandCount; ++i) {
        m_commands[size_t(i)] = new VornPushButton(Skin::buttonImages(commands[i]), window);
        m_commands[size_t(i)]->setObjectName(QLatin1String(commands[i]));
    }
    m_resetAllButton = new VornPushButton(Skin::buttonImages("button"), window);
    m_resetAllButton->setObjectName(QStringLiteral("resetAllButton"));
}

void ProfileArea::place(double scale, const QFont &font)
{
    using namespace DesignLayout;
    placeScaled(m_nameEdit, kNameEdit, scale);
    placeScaled(m_profileButton, kProfileButton, scale);
    placeScaled(m_nameLabel, kNameLabel, scale);
    for (int i = 0; i < kCommandCount; ++i)
        placeScaled(m_commands[size_t(i)], profileCommand(i), scale);
    placeScaled(m_resetAllButton, kResetAll, scale);
    m_profileMenu->setFixedWidth(int(152 * scale));
    m_nameLabel->setFont(font);
    m_nameEdit->setFont(font);
    m_profileMenu->setFont(font);
}

void ProfileArea::retranslate()
{
    m_nameEdit->setToolTip(QCoreApplication::translate("MousecfgWidget", "Press Enter To Apply"));
    m_nameLabel->setText(QCoreApplication::translate("MousecfgWidget", "NAME"));
    static const char *const tips[] = {
        QT_TRANSLATE_NOOP("MousecfgWidget", "SAVE"),   QT_TRANSLATE_NOOP("MousecfgWidget", "LOAD"),
        QT_TRANSLATE_NOOP("MousecfgWidget", "RESET"),  QT_TRANSLATE_NOOP("MousecfgWidget", "ADD"),
        QT_TRANSLATE_NOOP("MousecfgWidget", "DELETE"), QT_TRANSLATE_NOOP("MousecfgWidget", "COPY")};
    for (int i = 0; i < kCommandCount; ++i)
        m_commands[size_t(i)]->setToolTip(QCoreApplication::translate("MousecfgWidget", tips[i]));
    m_resetAllButton->setText(QCoreApplication::translate("MousecfgWidget", "Reset All"));
}

void ProfileArea::setCommandsEnabled(bool enable)
{
    for (VornPushButton *b : m_commands)
        b->setEnabled(enable);
    m_resetAllButton->setEnabled(enable);
    m_profileButton->setEnabled(enable);
}
