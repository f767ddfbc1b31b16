#pragma once

#include "core/dialogos.h"
#include "core/estado.h"

namespace tombolin {

// The conversations of the syndicate file's commands.
class OrdenesPenas {
  public:
    OrdenesPenas(Estado& estado, Dialogos& dialogos) : estado_(estado), dialogos_(dialogos) {}

    // Asks and removes the syndicate PenaActual. True when it was removed.
    bool Borrar();

  private:
    Estado& estado_;
    Dialogos& dialogos_;
};

}  // namespace tombolin
