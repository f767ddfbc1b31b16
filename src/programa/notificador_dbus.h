#pragma once

#include <QDBusPendingCall>
#include <vector>

#include "core/notificador.h"

namespace tombolin {

// The desktop's notification service (org.freedesktop.Notifications) on the session bus. The
// call never blocks the window; without a session bus or a service, nothing shows and nothing
// is said. A run without a window waits for its calls before it ends (EsperarEnvios), or they
// would go with it.
class NotificadorDBus : public Notificador {
  public:
    void Notificar(const QString& titulo, const QString& texto) override;
    // Waits (a few seconds at most) until every notification sent has been taken.
    void EsperarEnvios();

  private:
    std::vector<QDBusPendingCall> envios_;
};

}  // namespace tombolin
