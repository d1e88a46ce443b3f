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
        break;
    case QSettings::AccessError:
        qCWarning(lcStore).noquote() << "cannot write" << m_settings.fileName();
        return false;
    case QSettings::FormatError:
        // QSettings still writes the file, with the lines it could parse.
        qCWarning(lcStore).noquote() << "rewrote malformed file" << m_settings.fileName();
        break;
    }
    return true;
}
