#pragma once

#include <QString>
#include <QTextStream>

#include "core/arranque.h"
#include "core/notificador.h"
#include "core/reloj.h"
#include "results/transferencia.h"

namespace tombolin {

// How "tombolin --comprobar" ends, for scripts and timers.
enum SalidaComprobar {
    kNadaNuevo = 0,    // nothing new was won
    kError = 1,        // no connection, an answer refused, a file that can't be written...
    kDatosEnUso = 2,   // another program (the window) has the data: its own download works
    kPremioNuevo = 3,  // a syndicate won a new prize
};

// "tombolin --comprobar": the window's download without the window, for a timer after each
// draw. On the data folder, with the same start-up steps (the lock first) and the same
// download chain (every missing draw, no hole), it fetches the new draws from `servicio`, checks
// every syndicate and writes its counters; then prints one tab-separated line per new prize
// (syndicate, date, categories, euros or "pendiente") on `salida` and tells each to `notificador`.
// Messages go to `errores`, one a line. Returns a SalidaComprobar: an error wins over a prize,
// whose lines are still printed and told.
// `carpetas` as the window would take them: the user's data, and the shipped files (the reduced
// tables) installed apart from it.
int ComprobarSinVentana(const Carpetas& carpetas, const Reloj& reloj, Transferencia& transferencia,
                        const QString& servicio, Notificador* notificador, QTextStream& salida,
                        QTextStream& errores);

}  // namespace tombolin
