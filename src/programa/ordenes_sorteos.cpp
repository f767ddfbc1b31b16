#include "programa/ordenes_sorteos.h"

#include <QDir>
#include <QFileInfo>
#include <tuple>

#include "core/configuracion.h"
#include "core/fechas.h"
#include "core/penas.h"
#include "core/sorteos.h"
#include "programa/mensajes.h"

namespace tombolin {

namespace {

const char* const kPaginaTienda =
    "/tienda/Product_list_C)%20%20%20%20%20%20%20EXTRAS%20PARA%20LOS%20PROGRAMAS_1.html";

QString TextoFicheroNoValido() {
    return QStringLiteral(
        "Fichero de sorteos no válido. Compruebe que el archivo NUMEROS.DAT sea para Tombolin.");
}

}  // namespace

bool OrdenesSorteos::Importar() {
    // The draw history shipped with the program sits in "historico": the place to start looking.
    QString carpeta = estado_.FicheroCompartido("historico");
    if (!QFileInfo(carpeta).isDir()) carpeta = QDir::homePath();
    const QString elegido =
        dialogos_.ElegirFichero(QStringLiteral("Seleccione el archivo NUMEROS.DAT"), carpeta,
                                QStringLiteral("Archivos de sorteos (numeros.dat NUMEROS.DAT)"));
    if (elegido.isEmpty()) {
        const Respuesta r = dialogos_.Mensaje(
            QStringLiteral("No se ha seleccionado ningún archivo. Recuerde que puede disponer de "
                           "TODOS LOS SORTEOS DESDE LA CREACIÓN DE LA PRIMITIVA, obteniéndolo "
                           "desde nuestra tienda virtual. ¿Quiere ir?"),
            Icono::Pregunta, Botones::SiNo, QStringLiteral("Tombolin"));
        if (r == Respuesta::Si) {
            escritorio_.AbrirUrl(QStringLiteral("http://") + estado_.Config.DireccionVisible() +
                                 QLatin1String(kPaginaTienda));
        }
        return false;
    }
    return ImportarDesde(elegido);
}

bool OrdenesSorteos::OfrecerHistorico() {
    if (estado_.SorteoLibre() > 1 || HistoricoOfrecido(estado_.Config)) return false;
    const QString ruta = estado_.FicheroCompartido("historico/numeros.dat");
    const std::vector<Sorteo> historico = LeerSorteosDe(ruta);
    if (historico.empty()) return false;
    // Asked once, whatever the answer: the settings remember it. Settings that can't be saved
    // were named at start; the worst is the question again next time.
    MarcarHistoricoOfrecido(estado_.Config);
    std::ignore = GuardarConfiguracion(estado_);
    const QString pregunta =
        QStringLiteral("¿Quiere cargar los ") + QString::number(historico.size()) +
        QStringLiteral(" sorteos de La Primitiva que trae el programa, desde el ") +
        FechaCorta(OleAFecha(historico.front().Fecha)) + QStringLiteral(" hasta el ") +
        FechaCorta(OleAFecha(historico.back().Fecha)) +
        QStringLiteral("? Después, \"Bajar sorteos nuevos\" traerá los que falten.");
    if (dialogos_.Mensaje(pregunta, Icono::Pregunta, Botones::SiNo,
                          QStringLiteral("Sorteos desde 1985")) != Respuesta::Si) {
        return false;
    }
    return ImportarDesde(ruta);
}

bool OrdenesSorteos::ImportarDesde(const QString& elegido) {
    using F = Importacion::Fallo;
    const Importacion i = ImportarSorteos(estado_, elegido);
    const auto noValido = [&](bool conNumero) {
        dialogos_.Mensaje(TextoFicheroNoValido() + (conNumero ? QStringLiteral(" Error ") +
                                                                    QString::number(i.error.Numero)
                                                              : QString()),
                          Icono::Exclamacion, Botones::Aceptar, TituloVayaHombre());
    };
    switch (i.fallo) {
        case F::Ninguno:
            break;
        case F::NoSeLee:
            noValido(true);
            return false;
        case F::NoEsDeSorteos:
            noValido(false);
            return false;
        case F::NoSeLeenLosActuales:
            InformarErrorFichero(dialogos_, i.error, QLatin1String(kFicheroSorteos));
            return false;
        case F::NoSeGuarda:
            if (i.error.EsDePermiso()) {
                MensajePermiso(dialogos_);
            } else {
                noValido(true);
            }
            return false;
    }
    dialogos_.Mensaje(QStringLiteral("Archivo de sorteos importado con éxito"), Icono::Informacion,
                      Botones::Aceptar, QStringLiteral("Todos los sorteos"));
    // A file of the earlier format is converted now rather than at the next start.
    ConvertirSiAntiguo(true);
    return true;
}

bool ConvertirSiAntiguo(Estado& estado, Dialogos& dialogos, bool importado) {
    if (!EsFormatoAntiguo(estado.Sorteos)) return false;
    dialogos.Mensaje(
        QStringLiteral(
            "Se ha encontrado un archivo de Sorteos perteneciente a una versión anterior "
            "del programa y se va a convertir el fichero a la versión actual."),
        Icono::Informacion, Botones::Aceptar, QStringLiteral("Actualización de datos"));
    // Left in the old format the draws would read as nonsense: a failure must be told.
    if (const Error error = ConvertirFormatoAntiguo(estado, !importado)) {
        InformarErrorFichero(dialogos, error, QLatin1String(kFicheroSorteos));
        return false;
    }
    return true;
}

OrdenesSorteos::Borrado OrdenesSorteos::BorrarTodo(const Reloj& reloj) {
    Borrado b;
    // Enter alone must not delete every draw: No is the answer it gives.
    if (dialogos_.Mensaje(QStringLiteral("¿Seguro que quieres borrar todos los sorteos?"),
                          Icono::Pregunta, Botones::SiNo, QStringLiteral("Borrar..."),
                          Respuesta::No) == Respuesta::Si) {
        // Draws that are still there need no reset of the syndicates: the command ends here.
        if (const Error error = BorrarTodosLosSorteos(estado_)) {
            InformarErrorFichero(dialogos_, error, QLatin1String(kFicheroSorteos));
            return b;
        }
        b.sorteos = true;
    }
    if (dialogos_.Mensaje(QStringLiteral("¿Quiere borrar también los aciertos de las peñas?. Si ha "
                                         "borrado los sorteos, se aconseja que se resetee también "
                                         "los resultados de las peñas y la fecha de creación "
                                         "pasará a ser la de hoy."),
                          Icono::Pregunta, Botones::SiNo,
                          QStringLiteral("Borrar...")) == Respuesta::Si) {
        InformarErrorFichero(dialogos_, ResetearPenas(estado_, reloj),
                             QLatin1String(kFicheroPenas));
        b.aciertos = true;
    }
    return b;
}

bool OrdenesSorteos::BorrarUno(int k) {
    if (dialogos_.Mensaje(QStringLiteral("¿Seguro que quieres eliminar este sorteo?"),
                          Icono::Pregunta, Botones::SiNo,
                          QStringLiteral("Borrar...")) != Respuesta::Si) {
        return false;
    }
    if (k == 0) return false;
    if (const Error error = BorrarSorteo(estado_, k)) {
        InformarErrorFichero(dialogos_, error, QLatin1String(kFicheroSorteos));
        return false;
    }
    return true;
}

}  // namespace tombolin
