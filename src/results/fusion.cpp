#include "results/fusion.h"

#include <algorithm>
#include <cmath>

#include "core/sorteos.h"

namespace tombolin {

Error AnadirSorteosNuevos(Estado& estado, const std::vector<Sorteo>& masRecientePrimero) {
    if (masRecientePrimero.empty()) return {};
    QByteArray todo = estado.Sorteos.LeerEnteros();
    for (auto it = masRecientePrimero.rbegin(); it != masRecientePrimero.rend(); ++it) {
        todo += CodificarSorteo(*it);
    }
    return estado.Sorteos.Reemplazar(todo, estado.Fichero(kTemporalSorteos));
}

Error IntercalarSorteos(Estado& estado, const std::vector<Sorteo>& sorteos,
                        std::vector<double>& puestos) {
    puestos.clear();
    // The records held are moved as bytes, never decoded and written again.
    QByteArray contenido = estado.Sorteos.LeerEnteros();
    std::vector<double> fechas;
    for (const Sorteo& s : FicheroRegistros::DecodificarTodos(contenido, DecodificarSorteo))
        fechas.push_back(s.Fecha);
    for (const Sorteo& s : sorteos) {
        // Before the first draw held that is not older: the file's order stays ascending.
        const auto sitio =
            std::find_if(fechas.begin(), fechas.end(), [&](double f) { return !(f < s.Fecha); });
        if (sitio != fechas.end() && std::floor(*sitio) == std::floor(s.Fecha)) continue;
        contenido.insert(static_cast<qsizetype>(sitio - fechas.begin()) * Sorteo::kLongitud,
                         CodificarSorteo(s));
        fechas.insert(sitio, s.Fecha);
        puestos.push_back(s.Fecha);
    }
    if (puestos.empty()) return {};
    const Error error = estado.Sorteos.Reemplazar(contenido, estado.Fichero(kTemporalSorteos));
    if (error) puestos.clear();
    return error;
}

}  // namespace tombolin
