#pragma once

#include <QIcon>

namespace tombolin {

// The pictures of the command buttons, drawn here so that they are ours and sharp at any size.
QIcon IconoCrearPena();        // a slip/sheet with a plus sign
QIcon IconoEditarPena();       // a pencil over a sheet
QIcon IconoBorrarPena();       // a waste bin
QIcon IconoBorrarSorteos();    // a calendar page with a red cross
QIcon IconoImportarSorteos();  // an arrow going down into a tray
QIcon IconoImprimir();         // a printer
QIcon IconoEstadisticas();     // a bar chart

}  // namespace tombolin
