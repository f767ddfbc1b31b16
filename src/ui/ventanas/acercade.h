#pragma once

#include "ui/base/ventana_secundaria.h"

#include "core/estado.h"
#include "ui/base/servicios.h"

namespace tombolin {

// The about window: the program, the system it runs on, and the maker's web site and address.
class Acercade : public VentanaSecundaria {
    Q_OBJECT

  public:
    Acercade(const Estado& estado, Servicios servicios, QWidget* padre = nullptr);
};

}  // namespace tombolin
