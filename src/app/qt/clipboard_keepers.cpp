#include "app/qt/clipboard_keepers.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace pathnab {

// Both are known by the names they own on the session bus.
bool WaylandClipboardKeeperRunning() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    const QDBusConnectionInterface* names = bus.interface();
    return names && (names->isServiceRegistered(QStringLiteral("org.gnome.Shell")).value() ||
                     names->isServiceRegistered(QStringLiteral("org.kde.klipper")).value());
}

}  // namespace pathnab
