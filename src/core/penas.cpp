#include "core/penas.h"

#include "core/fechas.h"

namespace tombolin {

bool LeerPena(const FicheroRegistros& canal, int n, Pena& pena) {
    return canal.Leer(n, pena, DecodificarPena);
}

// Every change of "apuestas.dat" replaces the whole file: a crash leaves the old one or the new.
Error AnadirPena(Estado& estado, const Pena& pena) {
    return estado.Penas.Reemplazar(estado.Penas.LeerEnteros() + CodificarPena(pena),
                                   estado.Fichero(kTemporalPenas));
}

Error GuardarCambiosPena(Estado& estado, int n, const Pena& editada) {
    FicheroRegistros& canal = estado.Penas;
    QByteArray todas = canal.LeerEnteros();
    Pena pena;
    if (!LeerPena(canal, n, pena)) return Error{Error::kEntradaSalida, {}};
    pena.ReducidaNumeros = editada.ReducidaNumeros;
    pena.ReducidaGarantia = editada.ReducidaGarantia;
    pena.Base = editada.Base;
    pena.Apuestas = editada.Apuestas;
    pena.DiasJuego = editada.DiasJuego;
    pena.NumApuestas = editada.NumApuestas;
    // Another day to play from: the counters start again, and the next check recounts them
    // from that day.
    if (editada.FechaCreacion != pena.FechaCreacion) {
        pena.FechaCreacion = editada.FechaCreacion;
        pena.FechaComprobado = 0;
        for (int k = 3; k <= 7; ++k) pena.Aciertos[k] = 0;
    }
    todas.replace(static_cast<qsizetype>(n - 1) * Pena::kLongitud, Pena::kLongitud,
                  CodificarPena(pena));
    return canal.Reemplazar(todas, estado.Fichero(kTemporalPenas));
}

std::vector<Pena> LeerTodasLasPenas(const FicheroRegistros& canal) {
    return canal.LeerTodos(DecodificarPena);
}

Error BorrarPena(Estado& estado, int n) {
    FicheroRegistros& canal = estado.Penas;
    QByteArray todas = canal.LeerEnteros();
    if (n < 1 || static_cast<qsizetype>(n) * Pena::kLongitud > todas.size()) return {};
    todas.remove(static_cast<qsizetype>(n - 1) * Pena::kLongitud, Pena::kLongitud);
    return canal.Reemplazar(todas, estado.Fichero(kTemporalPenas));
}

Error ResetearPenas(Estado& estado, const Reloj& reloj) {
    FicheroRegistros& canal = estado.Penas;
    const double hoy = FechaAOle(reloj.Hoy());
    QByteArray todas;
    Pena pena;
    for (int n = 1; LeerPena(canal, n, pena); ++n) {
        for (int k = 3; k <= 7; ++k) pena.Aciertos[k] = 0;
        pena.FechaComprobado = 0;
        pena.FechaCreacion = hoy;
        todas += CodificarPena(pena);
    }
    // One replacement of the whole file: a crash half-way leaves no syndicate half reset.
    return canal.Reemplazar(todas, estado.Fichero(kTemporalPenas));
}

}  // namespace tombolin
