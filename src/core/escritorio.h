#pragma once

#include <QString>

namespace tombolin {

// The user's own programs: the web browser and the mail program.
class Escritorio {
  public:
    virtual ~Escritorio() = default;
    virtual bool AbrirUrl(const QString& url) = 0;
    virtual bool NuevoCorreo(const QString& direccion) = 0;
};

}  // namespace tombolin
