#include "ui/penas/ordenes_penas.h"

#include <QDir>

#include "core/juego.h"
#include "core/penas.h"
#include "programa/exportar.h"
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

bool OrdenesPenas::Editable(bool& danada) {
    danada = false;
    if (!HayPenaElegida(estado_, dialogos_)) return false;
    Pena pena;
    if (!LeerPena(estado_.Penas, estado_.PenaActual, pena)) return false;
    if (LineasEnUso(pena) == 0) {
        danada = true;
        return false;
    }
    if (pena.ReducidaNumeros != 0) {
        dialogos_.Mensaje(
            QStringLiteral("Si modifica algún número de esta peña, dejará de ser Reducida y "
                           "pasará a ser de apuestas sencillas."),
            Icono::Informacion, Botones::Aceptar, QStringLiteral("Atención!"));
    }
    return true;
}

void OrdenesPenas::Exportar(const std::vector<Sorteo>& sorteos, const PremiosGuardados& premios) {
    if (!HayPenaElegida(estado_, dialogos_)) return;
    Pena pena;
    if (!LeerPena(estado_.Penas, estado_.PenaActual, pena)) return;
    const QString nombre = pena.NombreVisible().trimmed();
    const QString ruta =
        dialogos_.GuardarFichero(QStringLiteral("Exportar resultados"),
                                 QDir::home().filePath(nombre + QStringLiteral(".csv")),
                                 QStringLiteral("Hojas de cálculo CSV (*.csv)"));
    if (ruta.isEmpty()) return;
    if (const Error e =
            GuardarCsv(ruta, CsvResultados(nombre, SorteosJugados(sorteos, pena, premios))))
        dialogos_.Mensaje(CausaEscritura(e, ruta), Icono::Exclamacion, Botones::Aceptar,
                          TituloVayaHombre());
}

void OrdenesPenas::DarBienvenida() {
    Pena primera;
    if (LeerPena(estado_.Penas, 1, primera)) return;
    dialogos_.Mensaje(
        QStringLiteral("Bienvenido a Tombolin. Vaya a la pestaña 'Crear Combinación' y cree una "
                       "peña. Podrás comprobar tus resultados a partir de hoy. Instrucciones "
                       "disponibles en nuestra web, en la sección 'Tutorial' o en el programa, en "
                       "el menú 'Ayuda'.") +
            QStringLiteral(
                "\n\nSi la peña ya se jugaba antes, ponga en «Juega desde» el día en que "
                "empezó: se contarán los premios de los sorteos desde ese día."),
        Icono::Informacion, Botones::Aceptar, QStringLiteral("Fichero de peñas vacío"));
}

}  // namespace tombolin
