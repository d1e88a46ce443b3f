#include "device/hid/VirtualMouseControl.h"

#include "device/DeviceContext.h"
#include "device/DeviceLog.h"
#include "device/hid/VirtualMouseBackend.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

bool parseNumber(const QString &text, int *value)
{
    bool ok = false;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        *value = text.mid(2).toInt(&ok, 16);
    else
        *value = text.toInt(&ok, 10);
    return ok;
}

QString okOrError(bool ok, const QString &what)
{
    return ok ? QStringLiteral("ok") : QStringLiteral("error: ") + what;
}

} // namespace

VirtualMouseControl::VirtualMouseControl(VirtualMouseBackend *backend, QObject *parent)
    : QObject(parent), m_backend(backend)
{}

VirtualMouseControl::~VirtualMouseControl() = default;

bool listenForVirtualMouseControl()
{
    const QString socketPath = qEnvironmentVariable("KORVALEN_VIRTUAL_MOUSE_CONTROL");
    VirtualMouseBackend *mice = socketPath.isEmpty() ? nullptr : DeviceContext::virtualMice();
    if (!mice)
        return false;
    // The control belongs to the mice it drives and goes with them.
    return (new VirtualMouseControl(mice, mice))->listen(socketPath);
}

bool VirtualMouseControl::listen(const QString &socketPath)
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        connect(m_server, &QLocalServer::newConnection, this,
                &VirtualMouseControl::onNewConnection);
    }
    QLocalServer::removeServer(socketPath);
    if (!m_server->listen(socketPath)) {
        qCWarning(lcHid) << "virtual mouse control socket" << socketPath << ":"
                         << m_server->errorString();
        return false;
    }
    return true;
}

void VirtualMouseControl::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QString line = QString::fromUtf8(socket->readLine()).trimmed();
                if (line.isEmpty())
                    continue;
                socket->write(execute(line).toUtf8() + '\n');
                socket->flush();
            }
        });
    }
}

QString VirtualMouseControl::execute(const QString &line)
{
    const QStringList tokens = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.isEmpty())
        return QStringLiteral("error: empty command");
    const QString command = tokens.first();

    struct Command
    {
        const char *name;
        int numbers;
    };
    static const Command commands[] = {
        {"plug", 0}, {"unplug", 0}, {"refreshes", 0}, {"profile", 1}, {"dpi", 1},
        {"rate", 1}, {"host", 1},   {"fail", 1},      {"light", 2},   {"memory", 2},
    };
    int numberCount = -1;
    for (const Command &c : commands) {
        if (command == QLatin1String(c.name))
            numberCount = c.numbers;
    }
    if (numberCount < 0)
        return QStringLiteral("error: unknown command ") + command;
    if (tokens.size() < 2 + numberCount)
        return QStringLiteral("error: missing arguments");

    int numbers[2] = {0, 0};
    for (int i = 0; i < numberCount; ++i) {
        const QString &text = tokens.at(tokens.size() - numberCount + i);
        if (!parseNumber(text, &numbers[i]))
            return QStringLiteral("error: not a number: ") + text;
    }
    const QString name = tokens.mid(1, tokens.size() - 1 - numberCount).join(QLatin1Char(' '));
    if (command != QLatin1String("plug") && !m_backend->names().contains(name))
        return QStringLiteral("error: no virtual mouse ") + name;

    if (command == QLatin1String("plug"))
        return okOrError(m_backend->plug(name), QStringLiteral("cannot plug ") + name);
    if (command == QLatin1String("unplug"))
        return okOrError(m_backend->unplug(name), name + QStringLiteral(" is not plugged in"));
    if (command == QLatin1String("profile"))
        return okOrError(m_backend->switchProfile(name, numbers[0]),
                         QStringLiteral("profile must be 0-4 on a plugged mouse"));
    if (command == QLatin1String("dpi"))
        return okOrError(m_backend->switchDpiStage(name, numbers[0]),
                         QStringLiteral("stage must be 0-4 on a plugged mouse"));
    if (command == QLatin1String("rate"))
        return okOrError(m_backend->switchReportRate(name, numbers[0]),
                         QStringLiteral("rate code must be a byte on a plugged mouse"));
    if (command == QLatin1String("light"))
        return okOrError(m_backend->switchLighting(name, numbers[0], numbers[1]),
                         QStringLiteral("code and variant must be bytes on a plugged mouse"));
    if (command == QLatin1String("host"))
        return okOrError(m_backend->pressHostAction(name, numbers[0]),
                         QStringLiteral("code must be a byte on a plugged mouse"));
    if (command == QLatin1String("fail"))
        return okOrError(m_backend->failNthReport(name, numbers[0]),
                         QStringLiteral("count must not be negative"));
    if (command == QLatin1String("memory")) {
        if (numbers[0] < 0 || numbers[1] < 0 ||
            numbers[0] + numbers[1] > VirtualMouseBackend::kMemorySize)
            return QStringLiteral("error: range outside the memory");
        return QString::fromLatin1(m_backend->memory(name, numbers[0], numbers[1]).toHex());
    }
    // refreshes
    QStringList codes;
    const QByteArray received = m_backend->refreshes(name);
    for (char c : received)
        codes << QString::number(uchar(c));
    return codes.join(QLatin1Char(' '));
}
