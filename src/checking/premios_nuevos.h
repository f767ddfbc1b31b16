#pragma once

#include <QString>
#include <vector>

#include "checking/comprobacion.h"
#include "core/importes.h"
#include "core/registros.h"

namespace tombolin {

// What a check counted for a syndicate in one draw: the prizes of a draw newer than the day the
// syndicate had been checked up to, that the check has now counted.
struct PremioNuevo {
    QString Pena;  // its name, trimmed
    SorteoJugado Jugado;
};

// The prizes a check counted, from the syndicates before it (`antes`) and after it (`despues`,
// the same records in the same places) over `sorteos`, oldest first, with the amounts `premios`
// holds. A prize already counted is never new again: the check only counts draws newer than the
// day a syndicate was checked up to, and the draws of `intercalados` (put in their place among
// older ones, and counted by ContarIntercalados) for the syndicates already checked past them.
std::vector<PremioNuevo> PremiosNuevos(const std::vector<Sorteo>& sorteos,
                                       const std::vector<Pena>& antes,
                                       const std::vector<Pena>& despues,
                                       const PremiosGuardados& premios,
                                       const std::vector<double>& intercalados = {});

// "1 premio de 3 aciertos y 2 de 5 aciertos + complementario".
QString TextoCategorias(const SorteoJugado& jugado);

// "La peña «Bar» ha ganado 43,92 € en el sorteo del sábado 5 de diciembre": the categories when
// some amount is still pending.
QString TextoPremioNuevo(const PremioNuevo& premio);

}  // namespace tombolin
