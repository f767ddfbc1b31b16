#pragma once

#include <functional>
#include <vector>

#include "checking/comprobacion.h"
#include "core/error.h"
#include "core/estado.h"

namespace tombolin {

// The check as the results page runs it: the draws and syndicates read from their files, the
// `n` most recent draws checked, the counters that moved written back at once, and the last
// outcome kept for the lists and the printed listing.
class SesionComprobacion {
  public:
    explicit SesionComprobacion(Estado& estado) : estado_(estado) {}

    // Returns the error of writing the counters back; the check itself always happens.
    [[nodiscard]] Error Comprobar(int n, const OpcionesComprobacion& opciones,
                                  const std::function<void(int)>& progreso = {});

    const Comprobacion& Ultima() const { return ultima_; }
    // The last check changed syndicate records (and wrote them back, or tried to).
    bool PenasCambiadas() const { return !ultima_.PenasCambiadas.empty(); }

  private:
    Estado& estado_;
    Comprobacion ultima_;
};

// Counts the draws of `fechas`, just put in their place among older ones, for the syndicates
// already checked past them (ContarIntercalados), and writes the counters back.
[[nodiscard]] Error ContarSorteosIntercalados(Estado& estado, const std::vector<double>& fechas);

}  // namespace tombolin
