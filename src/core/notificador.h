#pragma once

#include <QString>

namespace tombolin {

// The desktop's notifications: a short news the user sees whatever window is in front, or with
// none of the program's open. Where the desktop has no notification service, nothing shows.
class Notificador {
  public:
    virtual ~Notificador() = default;
    virtual void Notificar(const QString& titulo, const QString& texto) = 0;
};

}  // namespace tombolin
