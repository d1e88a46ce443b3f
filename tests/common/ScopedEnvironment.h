#pragma once

#include <QByteArray>
#include <QVector>

#include <initializer_list>
#include <utility>

// Sets environment variables for the life of the object and puts the old
// values back afterwards. An empty value unsets the variable.
class ScopedEnvironment
{
public:
    explicit ScopedEnvironment(std::initializer_list<std::pair<const char *, QByteArray>> values)
    {
        for (const auto &v : values) {
            m_saved.append({v.first, qgetenv(v.first)});
            if (v.second.isEmpty())
                qunsetenv(v.first);
            else
                qputenv(v.first, v.second);
        }
    }

    ~ScopedEnvironment()
    {
        for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
            if (it->second.isNull())
                qunsetenv(it->first);
            else
                qputenv(it->first, it->second);
        }
    }

    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    QVector<std::pair<const char *, QByteArray>> m_saved;
};
