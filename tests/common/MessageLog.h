#pragma once

#include <QLoggingCategory>
#include <QMutex>
#include <QStringList>

// Collects the debug messages of one logging category for the life of the
// object (the device layer's diagnostics are part of its behaviour), and
// lets every other message through to the previous handler.
class MessageLog
{
public:
    explicit MessageLog(const char *category = "korvalen.device")
    {
        s_category = category;
        s_messages = &messages;
        s_previous = qInstallMessageHandler(&MessageLog::handle);
    }
    ~MessageLog()
    {
        qInstallMessageHandler(s_previous);
        s_messages = nullptr;
    }

    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;

    QStringList messages;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        // Readers log from their own threads.
        static QBasicMutex mutex;
        const QMutexLocker lock(&mutex);
        if (s_messages && context.category && qstrcmp(context.category, s_category) == 0) {
            s_messages->append(text);
            return;
        }
        if (s_previous)
            s_previous(type, context, text);
    }

    static inline const char *s_category = nullptr;
    static inline QStringList *s_messages = nullptr;
    static inline QtMessageHandler s_previous = nullptr;
};
