#pragma once

#include "core/escritorio.h"

namespace tombolin {

// The user's browser and mail program through QDesktopServices.
class EscritorioQt : public Escritorio {
  public:
    bool AbrirUrl(const QString& url) override;
    bool NuevoCorreo(const QString& direccion) override;
};

}  // namespace tombolin
