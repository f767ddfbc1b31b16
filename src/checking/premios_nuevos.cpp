#include "checking/premios_nuevos.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

#include "core/configuracion.h"
#include "core/fechas.h"

namespace tombolin {

std::vector<PremioNuevo> PremiosNuevos(const std::vector<Sorteo>& sorteos,
                                       const std::vector<Pena>& antes,
                                       const std::vector<Pena>& despues,
                                       const PremiosGuardados& premios,
                                       const std::vector<double>& intercalados) {
    std::vector<PremioNuevo> r;
    const auto porFecha = [](double f, const Sorteo& s) { return f < s.Fecha; };
    std::vector<double> puestos = intercalados;
    std::sort(puestos.begin(), puestos.end());
    for (size_t i = 0; i < std::min(antes.size(), despues.size()); ++i) {
        const double desde = antes[i].FechaComprobado;
        const double hasta = despues[i].FechaComprobado;
        // Only the draws the check counted are walked, not the whole history again.
        std::vector<Sorteo> contados;
        for (double f : puestos) {
            const auto s = std::upper_bound(sorteos.begin(), sorteos.end(), f, porFecha);
            if (f < desde && s != sorteos.begin() && std::prev(s)->Fecha == f)
                contados.push_back(*std::prev(s));
        }
        if (hasta > desde)
            contados.insert(contados.end(),
                            std::upper_bound(sorteos.begin(), sorteos.end(), desde, porFecha),
                            std::upper_bound(sorteos.begin(), sorteos.end(), hasta, porFecha));
        for (const SorteoJugado& j : SorteosJugados(contados, despues[i], premios)) {
            if (std::accumulate(j.Premios.begin(), j.Premios.end(), 0) == 0) continue;
            r.push_back({despues[i].NombreVisible().trimmed(), j});
        }
    }
    return r;
}

QString TextoCategorias(const SorteoJugado& j) {
    // The counters' order (3, 4, 5, 6 hits, 5 + C) read from the smallest prize up.
    static const char* const kNombres[] = {"3 aciertos", "4 aciertos", "5 aciertos", "6 aciertos",
                                           "5 aciertos + complementario"};
    static const size_t kOrden[] = {0, 1, 2, 4, 3};
    QStringList partes;
    for (size_t k : kOrden) {
        const int n = j.Premios[k];
        if (n == 0) continue;
        const QString premios =
            partes.isEmpty() ? (n == 1 ? QStringLiteral(" premio") : QStringLiteral(" premios"))
                             : QString();
        partes << QString::number(n) + premios + QStringLiteral(" de ") +
                      QString::fromUtf8(kNombres[k]);
    }
    if (partes.size() < 2) return partes.join(QString());
    return partes.mid(0, partes.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") +
           partes.back();
}

QString TextoPremioNuevo(const PremioNuevo& p) {
    const QDate dia = OleAFecha(p.Jugado.sorteo.Fecha);
    const QString ganado =
        p.Jugado.Pendientes > 0 ? TextoCategorias(p.Jugado) : TextoCentimos(p.Jugado.Ganado);
    return QStringLiteral("La peña «%1» ha ganado %2 en el sorteo del %3 %4 de %5")
        .arg(p.Pena, ganado, diasemana(dia).toLower(), QString::number(dia.day()),
             NombreMes(dia.month()));
}

}  // namespace tombolin
