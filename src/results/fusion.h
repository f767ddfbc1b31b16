#pragma once

#include <vector>

#include "core/error.h"
#include "core/estado.h"
#include "core/registros.h"

namespace tombolin {

// Appends the new draws (given newest first, as the document lists them) to the draws file,
// oldest first, so that the file stays in ascending date order. The file changes only by whole
// records and all at once.
Error AnadirSorteosNuevos(Estado& estado, const std::vector<Sorteo>& masRecientePrimero);

// Puts each draw whose day the file lacks in its place among the ones held, by date; draws of a
// day already held are left out. The whole file is replaced at once. `puestos` gets the dates of
// the draws put in.
Error IntercalarSorteos(Estado& estado, const std::vector<Sorteo>& sorteos,
                        std::vector<double>& puestos);

}  // namespace tombolin
