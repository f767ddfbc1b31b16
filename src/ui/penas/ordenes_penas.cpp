#include "ui/penas/ordenes_penas.h"

#include "core/penas.h"
#include "programa/mensajes.h"

namespace tombolin {

bool OrdenesPenas::Borrar() {
    if (!HayPenaElegida(estado_, dialogos_)) return false;
    Pena pena;
    if (!LeerPena(estado_.Penas, estado_.PenaActual, pena)) return false;
    if (dialogos_.Mensaje(QStringLiteral("¿Seguro que quieres eliminar la Peña ") +
                              pena.NombreVisible() + QStringLiteral("?"),
                          Icono::Pregunta, Botones::SiNo,
                          QStringLiteral("Borrar...")) != Respuesta::Si) {
        return false;
    }
    if (const Error error = BorrarPena(estado_, estado_.PenaActual)) {
        InformarErrorFichero(dialogos_, error, QLatin1String(kFicheroPenas));
        return false;
    }
    return true;
}

}  // namespace tombolin
