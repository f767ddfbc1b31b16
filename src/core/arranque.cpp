#include "core/arranque.h"

#include <cerrno>
#include <tuple>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/error.h"
#include "core/reemplazo.h"
#include "core/sorteos.h"

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

QString NombreLibre(const Estado& estado, const QString& base, const QString& extension) {
    QString nombre = base + QLatin1Char('.') + extension;
    for (int n = 2; QFileInfo::exists(estado.RutaPrograma + nombre); ++n)
        nombre = base + QLatin1Char('.') + QString::number(n) + QLatin1Char('.') + extension;
    return nombre;
}

std::vector<FicheroApartado> ApartarFicherosImposibles(const Estado& estado, QDate hoy) {
    const struct {
        const char* nombre;
        int longitud;
        const char* registros;
        bool sorteos;
    } ficheros[] = {{kFicheroSorteos, Sorteo::kLongitud, "sorteos", true},
                    {kFicheroPenas, Pena::kLongitud, "peñas", false}};
    std::vector<FicheroApartado> apartados;
    for (const auto& f : ficheros) {
        const QString ruta = estado.Fichero(f.nombre);
        const QFileInfo info(ruta);
        if (!info.exists()) continue;
        QString motivo;
        // Asked of its size alone: such a file is never read into memory.
        if (info.size() / f.longitud > kMaximoRegistros) {
            motivo = QStringLiteral("tiene más de %1 %2, que es lo más que puede guardar")
                         .arg(QString::number(kMaximoRegistros), QString::fromUtf8(f.registros));
        } else if (f.sorteos && NoEsDeSorteos(ruta, hoy)) {
            motivo = QStringLiteral("su primer registro no tiene la fecha de ningún sorteo");
        }
        if (motivo.isEmpty()) continue;
        const QString base = QString::fromLatin1(f.nombre).section(QLatin1Char('.'), 0, 0);
        QString apartado = NombreLibre(estado, base, QStringLiteral("roto"));
        // A rename keeps every byte and costs nothing, however big the file.
        if (!QFile::rename(ruta, estado.RutaPrograma + apartado)) apartado.clear();
        apartados.push_back({QLatin1String(f.nombre), apartado, motivo});
    }
    return apartados;
}

QStringList DatosQueQuedanAtras(const QString& programa, const QString& datos) {
    QStringList r;
    for (const char* nombre : {kFicheroPenas, kFicheroSorteos, kFicheroConfiguracion}) {
        const QFileInfo aqui(programa + QLatin1Char('/') + QLatin1String(nombre));
        if (aqui.isFile() && aqui.size() > 0 &&
            !QFileInfo::exists(datos + QLatin1Char('/') + QLatin1String(nombre)))
            r << QLatin1String(nombre);
    }
    return r;
}

Error CopiarDatos(const QString& programa, const QString& datos, const QStringList& ficheros) {
    for (const QString& nombre : ficheros) {
        QFile origen(programa + QLatin1Char('/') + nombre);
        if (!origen.open(QIODevice::ReadOnly)) return Error::DeErrno(EACCES);
        const QByteArray contenido = origen.readAll();
        if (origen.error() != QFileDevice::NoError)
            return {Error::kEntradaSalida, origen.errorString()};
        const QString destino = datos + QLatin1Char('/') + nombre;
        if (const Error e =
                EscribirYRenombrar(destino, destino + QStringLiteral(".tmp"), contenido))
            return e;
    }
    return {};
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
        const char* completos;  // "los %1 sorteos completos"
    } ficheros[] = {{estado.Sorteos, kFicheroSorteos, "los %1 sorteos completos"},
                    {estado.Penas, kFicheroPenas, "las %1 peñas completas"}};
    QStringList avisos;
    for (const auto& f : ficheros) {
        const qint64 sobran = f.canal.BytesSobrantes();
        if (sobran == 0) continue;
        QString aviso =
            QStringLiteral(
                "El archivo %1 termina con un registro incompleto (%2 bytes). Se usarán ")
                .arg(QLatin1String(f.nombre))
                .arg(sobran) +
            QString::fromUtf8(f.completos).arg(f.canal.Cuenta()) + QStringLiteral("; ");
        // The next rewrite of the file leaves the torn bytes out: they are kept apart first.
        QByteArray resto;
        QFile fichero(f.canal.Ruta());
        if (fichero.open(QIODevice::ReadOnly) && fichero.seek(fichero.size() - sobran))
            resto = fichero.read(sobran);
        const QString base = QString::fromLatin1(f.nombre).section(QLatin1Char('.'), 0, 0);
        const QString nombre = NombreLibre(estado, base, QStringLiteral("resto"));
        const QString ruta = estado.RutaPrograma + nombre;
        if (resto.size() == sobran &&
            !EscribirYRenombrar(ruta, ruta + QStringLiteral(".tmp"), resto)) {
            aviso += QStringLiteral("esos bytes se han guardado aparte, en ") + nombre +
                     QStringLiteral(
                         ", porque el archivo se escribirá sin ellos la próxima vez "
                         "que cambie.");
        } else {
            aviso += QStringLiteral(
                "esos bytes no se han podido guardar aparte y se perderán la "
                "próxima vez que el archivo cambie.");
        }
        avisos << aviso;
    }
    return avisos;
}

Carpetas ElegirCarpetas(const QString& ejecutable, const QString& datosUsuario,
                        const QString& compartida) {
    if (!QFileInfo::exists(ejecutable + QLatin1Char('/') + QLatin1String(kFicheroTablas)))
        return {datosUsuario, compartida, true, {}};
    // A copy that can't be written (a read-only medium) keeps its shipped files beside it.
    if (!QFileInfo(ejecutable).isWritable()) return {datosUsuario, ejecutable, true, ejecutable};
    return {ejecutable, ejecutable, false, {}};
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
