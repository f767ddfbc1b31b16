#pragma once

#include <vector>

#include "core/dialogos.h"
#include "core/estado.h"
#include "core/importes.h"
#include "core/registros.h"

namespace tombolin {

// The conversations of the syndicate file's commands.
class OrdenesPenas {
  public:
    OrdenesPenas(Estado& estado, Dialogos& dialogos) : estado_(estado), dialogos_(dialogos) {}

    // Asks and removes the syndicate PenaActual. True when it was removed.
    bool Borrar();
    // Whether the syndicate PenaActual opens in the editor: one is chosen (said when not) and it
    // has lines. A damaged record does not (`danada`: its card says what it holds); a reduced one
    // is told first that a changed number makes it a syndicate of simple bets.
    bool Editable(bool& danada);
    // "Exportar resultados…": the draws the syndicate PenaActual played among `sorteos`, with
    // what they paid by `premios`, to a CSV file the user names.
    void Exportar(const std::vector<Sorteo>& sorteos, const PremiosGuardados& premios);
    // A user without syndicates is welcomed, once the window is up.
    void DarBienvenida();

  private:
    Estado& estado_;
    Dialogos& dialogos_;
};

}  // namespace tombolin
