#include "core/arranque.h"

#include <tuple>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/error.h"

namespace tombolin {

void BorrarTemporales(const Estado& estado) {
    // By pattern rather than by name: every replacement names its scratch file after its own
    // file ("numeros.bak.tmp", "www.txt.tmp", "informe.dat.parte", ...).
    QDir carpeta(estado.RutaPrograma);
    const QStringList restos =
        carpeta.entryList({QStringLiteral("*.tmp"), QStringLiteral("*.parte")},
                          QDir::Files | QDir::System | QDir::Hidden);
    for (const QString& r : restos) carpeta.remove(r);
}

QString AbrirFicheros(Estado& e) {
    QStringList sinAbrir;
    QStringList soloLectura;
    const auto abrir = [&](FicheroRegistros& canal, const char* nombre) {
        // What can't be opened or written is gathered into one warning below.
        std::ignore = canal.Abrir(e.Fichero(nombre));
        if (!canal.Abierto()) {
            sinAbrir << QLatin1String(nombre);
        } else if (canal.SoloLectura()) {
            soloLectura << QLatin1String(nombre);
        }
    };
    abrir(e.Penas, kFicheroPenas);
    abrir(e.Sorteos, kFicheroSorteos);
    e.Descarga.close();
    e.Descarga.setFileName(e.Fichero(kFicheroDescarga));
    if (!e.Descarga.open(QIODevice::ReadWrite)) e.Descarga.open(QIODevice::ReadOnly);

    // The settings are opened a moment later; whether they can be saved is told here, once.
    const QFileInfo conf(e.Fichero(kFicheroConfiguracion));
    if (conf.exists() ? !conf.isWritable() : !QFileInfo(e.RutaPrograma).isWritable()) {
        soloLectura << QLatin1String(kFicheroConfiguracion);
    }

    if (sinAbrir.isEmpty() && soloLectura.isEmpty()) return {};
    QString texto;
    if (!sinAbrir.isEmpty()) {
        texto += QStringLiteral("No se pueden abrir los archivos: ") +
                 sinAbrir.join(QStringLiteral(", ")) + QStringLiteral(". ");
    }
    if (!soloLectura.isEmpty()) {
        texto += QStringLiteral("No se pueden guardar cambios en: ") +
                 soloLectura.join(QStringLiteral(", ")) + QStringLiteral(". ");
    }
    return texto + QStringLiteral("Compruebe que la carpeta del programa (") +
           QDir::toNativeSeparators(e.RutaPrograma) +
           QStringLiteral(
               ") y sus archivos se pueden leer y escribir. El programa seguirá "
               "funcionando, pero no podrá guardar los cambios.");
}

QStringList AvisosRegistrosIncompletos(const Estado& estado) {
    const struct {
        const FicheroRegistros& canal;
        const char* nombre;
        const char* registros;
    } ficheros[] = {{estado.Sorteos, kFicheroSorteos, "sorteos"},
                    {estado.Penas, kFicheroPenas, "peñas"}};
    QStringList avisos;
    for (const auto& f : ficheros) {
        const qint64 sobran = f.canal.BytesSobrantes();
        if (sobran == 0) continue;
        avisos << QStringLiteral("El archivo ") + QLatin1String(f.nombre) +
                      QStringLiteral(" termina con un registro incompleto (") +
                      QString::number(sobran) + QStringLiteral(" bytes). Se usarán los ") +
                      QString::number(f.canal.Cuenta()) + QStringLiteral(" ") +
                      QString::fromUtf8(f.registros) +
                      QStringLiteral(" completos; el archivo no se ha modificado.");
    }
    return avisos;
}

Carpetas ElegirCarpetas(const QString& ejecutable, const QString& datosUsuario,
                        const QString& compartida) {
    if (!QFileInfo::exists(ejecutable + QLatin1Char('/') + QLatin1String(kFicheroTablas)))
        return {datosUsuario, compartida, true};
    // A copy that can't be written (a read-only medium) keeps its shipped files beside it.
    if (!QFileInfo(ejecutable).isWritable()) return {datosUsuario, ejecutable, true};
    return {ejecutable, ejecutable, false};
}

void CopiarAlmacenInformes(const Estado& estado) {
    const QString propio = estado.Fichero(kFicheroInformes);
    const QString enviado = estado.FicheroCompartido(kFicheroInformes);
    if (propio == enviado || QFileInfo::exists(propio) || !QFileInfo::exists(enviado)) return;
    // Installed read-only, the copy must become the user's to write.
    if (QFile::copy(enviado, propio)) {
        QFile(propio).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

QString FaltanTablas(const Estado& estado) {
    if (QFileInfo::exists(estado.FicheroCompartido(kFicheroTablas))) return {};
    return QStringLiteral(
               "No se encuentra un archivo necesario para el funcionamiento del "
               "programa. Reinstale el programa. Error ") +
           QString::number(Error::kNoEncontrado);
}

}  // namespace tombolin
