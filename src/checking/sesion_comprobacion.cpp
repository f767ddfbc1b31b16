#include "checking/sesion_comprobacion.h"

#include "core/penas.h"
#include "core/sorteos.h"

namespace tombolin {

Error SesionComprobacion::Comprobar(int n, const OpcionesComprobacion& opciones,
                                    const std::function<void(int)>& progreso) {
    const std::vector<Sorteo> sorteos = LeerTodosLosSorteos(estado_.Sorteos);
    std::vector<Pena> penas = LeerTodasLasPenas(estado_.Penas);
    ultima_ = ComprobarSencillas(sorteos, penas, n, opciones, progreso);
    if (ultima_.PenasCambiadas.empty()) return {};
    // The whole file at once: a crash half-way leaves no counter counted twice or lost.
    QByteArray todas;
    for (const Pena& p : penas) todas += CodificarPena(p);
    return estado_.Penas.Reemplazar(todas, estado_.Fichero(kTemporalPenas));
}

}  // namespace tombolin
