#include "results/fusion.h"

namespace tombolin {

Error AnadirSorteosNuevos(Estado& estado, const std::vector<Sorteo>& masRecientePrimero) {
    if (masRecientePrimero.empty()) return {};
    QByteArray todo = estado.Sorteos.LeerEnteros();
    for (auto it = masRecientePrimero.rbegin(); it != masRecientePrimero.rend(); ++it) {
        todo += CodificarSorteo(*it);
    }
    return estado.Sorteos.Reemplazar(todo, estado.Fichero(kTemporalSorteos));
}

}  // namespace tombolin
