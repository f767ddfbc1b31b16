#pragma once

#include <QString>
#include <QStringList>

#include "core/estado.h"

// The file work of the start-up, before any window shows data.
namespace tombolin {

// Removes the scratch files of a replacement or a download that never finished (every "*.tmp"
// and "*.parte" of the program directory); they are never the data itself.
void BorrarTemporales(const Estado& estado);

// Opens the syndicate file, the draws file and the download file, creating the missing ones.
// Returns the warning for the user when some can't be opened or written; empty when all is well.
QString AbrirFicheros(Estado& estado);

// One warning for each data file that ends with a torn record.
QStringList AvisosRegistrosIncompletos(const Estado& estado);

// The text shown, and the program ends, when "tablas.bin" is missing; empty when it is there.
QString FaltanTablas(const Estado& estado);

}  // namespace tombolin
