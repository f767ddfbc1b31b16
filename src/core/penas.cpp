#include "core/penas.h"

#include "core/fechas.h"
#include "core/mensajes.h"

namespace tombolin {

bool LeerPena(const FicheroRegistros& canal, int n, Pena& pena) {
    QByteArray bytes;
    if (!canal.Leer(n, bytes)) return false;
    pena = DecodificarPena(bytes.constData());
    return true;
}

Error EscribirPena(FicheroRegistros& canal, int n, const Pena& pena) {
    return canal.Escribir(n, CodificarPena(pena));
}

std::vector<Pena> LeerTodasLasPenas(const FicheroRegistros& canal) {
    const QByteArray bytes = canal.LeerEnteros();
    std::vector<Pena> todas;
    for (qsizetype off = 0; off + Pena::kLongitud <= bytes.size(); off += Pena::kLongitud) {
        todas.push_back(DecodificarPena(bytes.constData() + off));
    }
    return todas;
}

bool BorrarPena(Estado& estado, Dialogos& dialogos) {
    if (estado.PenaActual == 0) {
        dialogos.Mensaje(QStringLiteral("Seleccione una peña primero..."), Icono::Informacion,
                         Botones::Aceptar, QStringLiteral("¡Nooooo!"));
        return false;
    }
    FicheroRegistros& canal = estado.Penas;
    Pena pena;
    if (!LeerPena(canal, estado.PenaActual, pena)) return false;
    const Respuesta r =
        dialogos.Mensaje(QStringLiteral("¿Seguro que quieres eliminar la Peña ") +
                             pena.NombreVisible() + QStringLiteral("?"),
                         Icono::Pregunta, Botones::SiNo, QStringLiteral("Borrar..."));
    if (r != Respuesta::Si) return false;

    QByteArray todas = canal.LeerEnteros();
    todas.remove(static_cast<qsizetype>(estado.PenaActual - 1) * Pena::kLongitud, Pena::kLongitud);
    const Error error = canal.Reemplazar(todas, estado.Fichero(kTemporalPenas));
    if (error) {
        InformarErrorFichero(dialogos, error, QLatin1String(kFicheroPenas));
        return false;
    }
    return true;
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
