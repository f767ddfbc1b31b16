#pragma once

#include <QString>
#include <vector>

#include "core/registros.h"

// The draw history of the statistics page: the stored draws, newest first, as rows of numbers,
// Joker and date.
namespace tombolin {

// One row: the draw and the record it came from, so that a click acts on that very draw.
struct FilaHistorial {
    int Registro = 0;
    Sorteo Datos;
};

// " 3-12-25-30-41-7   C: 5  R: 9": every number in two places, so that C and R line up.
QString TextoSorteo(const Sorteo& s);
// "17/10/1985  Jueves"; "Lunes" takes one blank more, to line up with the six-letter names.
QString TextoFechaHistorial(const Sorteo& s);

}  // namespace tombolin
