#include "programa/notificador_dbus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace tombolin {

void NotificadorDBus::Notificar(const QString& titulo, const QString& texto) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // Application, id to replace, icon, summary, body, actions, hints, timeout (the server's).
    m << QStringLiteral("Tombolin") << 0u << QStringLiteral("example.tombolin.Tombolin") << titulo
      << texto << QStringList()
      << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("example.tombolin.Tombolin")}}
      << -1;
    // The window sends for as long as it is open: only the calls still on their way are kept.
    std::erase_if(envios_, [](const QDBusPendingCall& e) { return e.isFinished(); });
    envios_.push_back(bus.asyncCall(m, 5000));
}

void NotificadorDBus::EsperarEnvios() {
    for (QDBusPendingCall& e : envios_) e.waitForFinished();
    envios_.clear();
}

}  // namespace tombolin
