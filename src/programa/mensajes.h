#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "core/dialogos.h"
#include "core/error.h"
#include "core/estado.h"
#include "core/impresora.h"

namespace tombolin {

// Title of the boxes that report a file problem.
QString TituloVayaHombre();

// The box shown when a data file may not be changed.
void MensajePermiso(Dialogos& dialogos);

// The syndicate commands need a syndicate chosen in the list: false, after saying so, without.
bool HayPenaElegida(const Estado& estado, Dialogos& dialogos);

// The print dialog, then the printer started for `titulo`: false when the user cancelled or the
// printer doesn't answer (said).
bool EmpezarImpresion(Dialogos& dialogos, Impresora& impresora, const QString& titulo);

// After a failed change of a data file: the permission message when access was refused,
// otherwise a box naming the file and the error number.
void InformarErrorFichero(Dialogos& dialogos, const Error& error, const QString& fichero);

// The line under a message about a file that could not be written: what was refused, naming the
// file (`ruta`, its full path) and, when permission was refused, its folder.
QString CausaEscritura(const Error& error, const QString& ruta);

// Writes the settings file; a failure is told once a window (`avisado`): the next key would only
// say it again.
void GuardarAjustes(Estado& estado, Dialogos& dialogos, bool& avisado);

}  // namespace tombolin
