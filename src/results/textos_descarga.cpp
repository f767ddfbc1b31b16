#include "results/textos_descarga.h"

#include <QStringList>

#include "core/fechas.h"
#include "core/resumen.h"
#include "core/sorteos.h"

namespace tombolin {

QString TextoNoConectado() {
    return QStringLiteral(
        "No conectado: Compruebe la conexión a internet. Si es correcta, pruebe más tarde ya que "
        "no es posible conectar con el servidor de ONLAE.");
}

QString TextoTardaEnResponder() {
    return QStringLiteral("Problemas con el servidor. Tarda en responder. Pruebe más tarde...");
}

QString TextoRespuestaIncompleta() {
    return QStringLiteral(
        "La respuesta de ONLAE ha llegado incompleta; no se ha guardado nada. Vuelva a "
        "intentarlo.");
}

QString TextoDatosCorruptos() {
    return QStringLiteral(
        "¡¡Datos corruptos o inválidos!! Si se repite en otros momentos este mismo error, "
        "posiblemente se ha de actualizar el programa. Pruebe más tarde.");
}

QString TextoRespuestaExtrana() {
    return QStringLiteral(
        "ONLAE no ha respondido con la lista de sorteos, sino con otra cosa (quizá una página de "
        "aviso); no se ha guardado nada.");
}

QString CausaDelFallo(const Transferencia& t) {
    using F = Transferencia::Fallo;
    if (t.EstadoActual() != Transferencia::Estado::Fallida) return {};
    switch (t.FalloActual()) {
        case F::Certificado:
            return QStringLiteral(
                "El certificado de seguridad del servidor no es válido: no se puede asegurar que "
                "quien responde es ONLAE, y no se ha bajado nada.");
        case F::Redireccion:
            return QStringLiteral(
                "El servidor ha desviado la petición a una dirección sin cifrar (http), y se ha "
                "rechazado.");
        case F::Http:
            return QStringLiteral("El servidor de ONLAE ha respondido con el error %1.")
                .arg(t.Codigo());
        case F::DemasiadoGrande:
        case F::Cortada:
        case F::SinConexion:
        case F::SinRespuesta:
        case F::Cancelada:
        case F::Otro:
        case F::Ninguno:
            break;
    }
    return {};
}

QString TextoFaltan(const std::vector<Sorteo>& sorteos, QDate hoy) {
    QStringList lineas;
    for (const QDate& d : SorteosQueFaltan(sorteos)) {
        lineas << QStringLiteral("Falta el sorteo del %1; se bajará en la próxima descarga.")
                      .arg(FechaCorta(d));
    }
    if (!sorteos.empty()) {
        const QDate siguiente = ProximoSorteo(OleAFecha(sorteos.back().Fecha).addDays(1), {});
        if (siguiente <= hoy) {
            lineas << QStringLiteral(
                          "Faltan los sorteos desde el %1; se bajarán en la próxima descarga.")
                          .arg(FechaCorta(siguiente));
        }
    }
    return lineas.join(QLatin1Char('\n'));
}

QString TextoEsperan(const QString& tramo) {
    return QStringLiteral("Bajando sorteos nuevos") +
           (tramo.isEmpty() ? QString()
                            : QStringLiteral(" (") + tramo.front().toLower() + tramo.mid(1) +
                                  QLatin1Char(')')) +
           QStringLiteral(
               ": crear, modificar y borrar peñas, borrar e importar sorteos y leer las "
               "noticias esperan a que termine.");
}

}  // namespace tombolin
