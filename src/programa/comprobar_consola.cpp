#include "programa/comprobar_consola.h"

#include <QEventLoop>

#include "core/estado.h"
#include "core/fechas.h"
#include "core/sorteos.h"
#include "programa/arranque.h"
#include "programa/cadena_descarga.h"
#include "programa/dialogos_consola.h"
#include "programa/resumen_consola.h"

namespace tombolin {

int ComprobarSinVentana(const Carpetas& carpetas, const Reloj& reloj, Transferencia& transferencia,
                        const QString& servicio, Notificador* notificador, QTextStream& salida,
                        QTextStream& errores) {
    Estado estado;
    estado.RutaPrograma = RutaConSeparador(carpetas.datos);
    if (!carpetas.compartida.isEmpty())
        estado.RutaCompartida = RutaConSeparador(carpetas.compartida);
    DialogosConsola dialogos(errores);
    Arranque arranque(estado, dialogos, reloj);
    arranque.EsComprobacion();
    if (!arranque.Preparar(carpetas.programaSinEscritura))
        return arranque.Ocupado() ? kDatosEnUso : kError;
    // The clock's check compares today with the newest draw held, as the window's does.
    const std::vector<Sorteo> sorteos =
        SepararImposibles(LeerTodosLosSorteos(estado.Sorteos)).Sorteos;
    if (!sorteos.empty()) estado.SorteoActual = sorteos.back();

    CadenaDescarga cadena(estado, dialogos, reloj, transferencia, servicio);
    cadena.PonerAlmacen(&arranque.Premios());
    cadena.PonerNotificador(notificador);
    cadena.PonerDesatendida(true);
    QEventLoop bucle;
    QObject::connect(&cadena, &CadenaDescarga::descargando, &bucle, [&](bool si) {
        if (!si) bucle.quit();
    });
    cadena.BajarSorteos();
    if (cadena.Descargando()) bucle.exec();

    for (const PremioNuevo& p : cadena.PremiosNuevosDeLaDescarga()) {
        const SorteoJugado& j = p.Jugado;
        const QString euros = j.Pendientes == 0 ? EurosConPunto(j.Ganado)
                              : j.Ganado == 0
                                  ? QStringLiteral("pendiente")
                                  : EurosConPunto(j.Ganado) + QStringLiteral(" y pendiente");
        salida << p.Pena << '\t' << FechaCorta(OleAFecha(j.sorteo.Fecha)) << '\t'
               << TextoCategorias(j) << '\t' << euros << '\n';
    }
    salida.flush();
    arranque.Terminar();
    if (cadena.Fallida()) return kError;
    return cadena.PremiosNuevosDeLaDescarga().empty() ? kNadaNuevo : kPremioNuevo;
}

}  // namespace tombolin
