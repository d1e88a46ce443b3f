#pragma once

#include "store/ProfileData.h"

#include <QString>
#include <QVector>

// The settings the window's button, DPI, lighting, report-rate, speed and
// lift-off panels edit, by the names get and set use. Values are text as a person
// types them (DPI in DPI, rates in Hz, effects by their menu name) and are
// checked against the model before anything in the store changes.
struct SettingsTarget
{
    ProfileStore &store;
    QString productName;
    int mode = 0; // profile 0-4 whose settings are meant
};

struct SettingValue
{
    QString name;
    QString value;
};

// The choices of report-rate ("125, 250, 500, 1000", in Hz) and lift-off
// ("3mm, 2mm, 1mm") as the help lists them.
QString reportRateChoices();
QString liftOffChoices();

// Every setting of the target's mode the model has, in the window's order.
QVector<SettingValue> readSettings(const SettingsTarget &target);

// The value of one setting; false when the model has no such setting.
bool readSetting(const SettingsTarget &target, const QString &name, QString *value);

// Changes one setting in target.store. On an unknown name or a value the
// model does not take, nothing changes and `problem` says what is allowed.
bool writeSetting(SettingsTarget &target, const QString &name, const QString &value,
                  QString *problem);
