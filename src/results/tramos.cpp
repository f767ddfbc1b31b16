#include "results/tramos.h"

#include <algorithm>

namespace tombolin {

std::vector<Tramo> TramosDeDias(std::vector<QDate> dias, QDate hoy) {
    std::sort(dias.begin(), dias.end());
    std::vector<Tramo> tramos;
    for (const QDate& d : dias) {
        if (!tramos.empty() && d <= tramos.back().hasta) continue;
        tramos.push_back({d, std::min(d.addDays(kDiasUltimoTramo - 1), hoy)});
    }
    return tramos;
}

std::vector<Tramo> TramosDescarga(QDate ultimo, QDate hoy, const std::vector<QDate>& sueltos) {
    std::vector<Tramo> tramos;
    const QDate ultimoTramo = hoy.addDays(-kDiasUltimoTramo);
    QDate desde = ultimo.isValid() ? std::min(ultimo.addDays(1), ultimoTramo) : ultimoTramo;
    // A missing day that a later request spans comes with that request's answer.
    for (const QDate& d : sueltos) {
        if (d < desde) tramos.push_back({d, d});
    }
    // Each earlier window spans 100 days, so that one answer never holds more draws than the
    // reader takes at once.
    while (desde < ultimoTramo) {
        const QDate hasta = std::min(desde.addDays(kDiasUltimoTramo - 1), ultimoTramo.addDays(-1));
        tramos.push_back({desde, hasta});
        desde = hasta.addDays(1);
    }
    tramos.push_back({ultimoTramo, hoy});
    return tramos;
}

QString DireccionTramo(const QString& servicio, const Tramo& tramo) {
    const auto ocho = [](QDate d) { return d.toString(QStringLiteral("yyyyMMdd")); };
    return servicio +
           QStringLiteral(
               "/servicios/buscadorSorteos?game_id=LAPR&celebrados=true&fechaInicioInclusiva=") +
           ocho(tramo.desde) + QStringLiteral("&fechaFinInclusiva=") + ocho(tramo.hasta);
}

}  // namespace tombolin
