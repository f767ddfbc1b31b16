#pragma once

#include <QString>

#include "checking/comprobacion.h"
#include "core/impresora.h"

// The printed results listing: what the two results lists show, section by section.
namespace tombolin {

// The picture at the head of each page of the listing.
inline constexpr const char* kCabeceraListado = ":/tombolin/cabecera_listado.png";

// Starts the first page: the header picture, and the print position below it.
void EmpezarListado(Impresora& impresora);

// Prints the lines of a check; returns false when there was nothing to print.
// `premios`: the amounts each prize's line adds, when there are.
bool ImprimirListado(Impresora& impresora, const Comprobacion& comprobacion,
                     const PremiosGuardados* premios = nullptr);

}  // namespace tombolin
