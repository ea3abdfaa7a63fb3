// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing.h"

#include "notice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QThreadPool>
#include <QVariantMap>
#include <iostream>

namespace tavrin {

void reportPrintOutcome(const PrintOutcome& outcome, Notice& notice)
{
    if (outcome.ok()) {
        notice.tell(QStringLiteral("The page went to the printer %1").arg(outcome.printer));
        return;
    }
    const QString reason = QString::fromStdString(outcome.failure->plain());
    notice.tell(QStringLiteral("Nothing was printed: %1").arg(reason));
    // One write, so the line never mixes with another thread's.
    std::cerr << ("tavrin: nothing was printed: "
                  + QString::fromStdString(outcome.failure->what()).toLocal8Bit() + '\n')
                     .toStdString();

    // Only a session bus that is already there: where none is, libdbus would
    // start one of its own through X11.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        && !QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus")))
        return;
    // Connecting to the bus the first time can block, so it happens on a
    // pool thread; the message is sent without waiting for an answer.
    QThreadPool::globalInstance()->start([reason] {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        QDBusMessage notify = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
        notify << QStringLiteral("Tavrin") << 0u << QStringLiteral("org.tavrin.Tavrin")
               << QStringLiteral("Nothing was printed") << reason << QStringList()
               << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("org.tavrin.Tavrin")}} << -1;
        bus.send(notify);
    });
}

} // namespace tavrin
