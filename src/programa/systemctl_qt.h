#pragma once

#include "core/systemctl.h"

namespace tombolin {

// The real "systemctl", run as a child process; its end comes through the event loop.
class SystemctlQt : public Systemctl {
  public:
    void Ejecutar(const QStringList& argumentos,
                  std::function<void(int codigo, const QString& salida)> hecho) override;
};

}  // namespace tombolin
