#include "checking/sesion_comprobacion.h"

#include "core/penas.h"
#include "core/sorteos.h"

namespace tombolin {

namespace {

// The whole file at once: a crash half-way leaves no counter counted twice or lost.
Error EscribirPenas(Estado& estado, const std::vector<Pena>& penas) {
    QByteArray todas;
    for (const Pena& p : penas) todas += CodificarPena(p);
    return estado.Penas.Reemplazar(todas, estado.Fichero(kTemporalPenas));
}

// The draws a check goes over: a record no real draw could be is left out (start-up names it).
std::vector<Sorteo> SorteosAComprobar(const Estado& estado) {
    return SepararImposibles(LeerTodosLosSorteos(estado.Sorteos)).Sorteos;
}

}  // namespace

Error SesionComprobacion::Comprobar(int n, const OpcionesComprobacion& opciones,
                                    const std::function<void(int)>& progreso) {
    std::vector<Pena> penas = LeerTodasLasPenas(estado_.Penas);
    ultima_ = ComprobarSencillas(SorteosAComprobar(estado_), penas, n, opciones, progreso);
    if (ultima_.PenasCambiadas.empty()) return {};
    return EscribirPenas(estado_, penas);
}

Error ContarSorteosIntercalados(Estado& estado, const std::vector<double>& fechas) {
    std::vector<Pena> penas = LeerTodasLasPenas(estado.Penas);
    if (ContarIntercalados(SorteosAComprobar(estado), penas, fechas).empty()) return {};
    return EscribirPenas(estado, penas);
}

}  // namespace tombolin
