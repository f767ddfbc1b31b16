#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tombolin {

// The user's service manager, through "systemctl --user": the timer that checks the draws by
// itself is switched on and off there. The command never blocks the window: `hecho(codigo,
// salida)` is called once it has ended, with its exit status (-1 when it could not be run) and
// what it printed, its errors included.
class Systemctl {
  public:
    virtual ~Systemctl() = default;
    virtual void Ejecutar(const QStringList& argumentos,
                          std::function<void(int codigo, const QString& salida)> hecho) = 0;
};

}  // namespace tombolin
