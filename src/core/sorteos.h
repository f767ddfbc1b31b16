#pragma once

#include <QString>
#include <vector>

#include "core/dialogos.h"
#include "core/error.h"
#include "core/escritorio.h"
#include "core/estado.h"
#include "core/registros.h"

// The draws file "numeros.dat": its records, the conversion of the earlier format, the import of
// a whole file chosen by the user, and the deletion of one or all draws.
namespace tombolin {

bool LeerSorteo(const FicheroRegistros& canal, int n, Sorteo& sorteo);
Error EscribirSorteo(FicheroRegistros& canal, int n, const Sorteo& sorteo);
// Every whole draw of the file, oldest first.
std::vector<Sorteo> LeerTodosLosSorteos(const FicheroRegistros& canal);
// Every whole draw of the draws file at `ruta`; none when it can't be read.
std::vector<Sorteo> LeerSorteosDe(const QString& ruta);

// A number as text in the general format of the earlier program: up to 15 significant digits,
// no leading blank, exponent notation ("1E+15", "5.5E-309") for very large or small values.
QString TextoGeneral(double valor);

// Detects a draws file written with the earlier 24-byte records and converts it, after telling
// the user. Returns true when it converted; a file that can't be read whole is left as it is,
// and the user told.
bool ConvertirFormatoAntiguo(Estado& estado, Dialogos& dialogos);

// Replaces the draws file by one the user chooses, keeping the previous one as "numeros.bak";
// when the previous one can't be read there is no import.
// Returns true when the draws file changed (the caller then refreshes what shows draws).
bool ImportarSorteos(Estado& estado, Dialogos& dialogos, Escritorio& escritorio);

// Removes draw k, keeping every other draw in its order, and lowers SorteoLibre.
Error BorrarSorteo(Estado& estado, int k);

// Leaves the draws file empty.
Error BorrarTodosLosSorteos(Estado& estado);

}  // namespace tombolin
