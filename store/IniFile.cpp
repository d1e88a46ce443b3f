#include "store/IniFile.h"

#include "store/StoreLog.h"

IniFile::IniFile(const QString &path) : m_settings(path, QSettings::IniFormat)
{
    m_settings.setAtomicSyncRequired(true);
}

bool IniFile::commit()
{
    m_settings.sync();
    switch (m_settings.status()) {
    case QSettings::NoError:
        return true;
    case QSettings::AccessError:
        qCWarning(lcStore).noquote() << "cannot write" << m_settings.fileName();
        break;
    case QSettings::FormatError:
        qCWarning(lcStore).noquote() << "malformed INI file" << m_settings.fileName();
        break;
    }
    return false;
}
