#pragma once

#include <QString>

#include "core/dialogos.h"
#include "core/error.h"

namespace tombolin {

// Title of the boxes that report a file problem.
QString TituloVayaHombre();

// The box shown when a data file may not be changed.
void MensajePermiso(Dialogos& dialogos);

// After a failed change of a data file: the permission message when access was refused,
// otherwise a box naming the file and the error number.
void InformarErrorFichero(Dialogos& dialogos, const Error& error, const QString& fichero);

}  // namespace tombolin
