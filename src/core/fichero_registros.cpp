#include "core/fichero_registros.h"

#include <tuple>

#include <QFileInfo>
#include <cerrno>

#include "core/reemplazo.h"

namespace tombolin {

namespace {

Error ErrorDeApertura(const QString& ruta) {
    const QFileInfo info(ruta);
    if (info.exists()) return Error::DeErrno(EACCES);
    const QFileInfo carpeta(info.absolutePath());
    if (!carpeta.exists()) return Error::DeErrno(ENOENT);
    return Error::DeErrno(EACCES);
}

}  // namespace

Error FicheroRegistros::Abrir(const QString& ruta) {
    Cerrar();
    ruta_ = ruta;
    fichero_.setFileName(ruta);
    soloLectura_ = false;
    if (fichero_.open(QIODevice::ReadWrite)) return {};
    const Error error = ErrorDeApertura(ruta);
    if (fichero_.open(QIODevice::ReadOnly)) soloLectura_ = true;
    return error;
}

void FicheroRegistros::Cerrar() {
    if (fichero_.isOpen()) fichero_.close();
}

qint64 FicheroRegistros::Bytes() const {
    return Abierto() ? fichero_.size() : 0;
}

int FicheroRegistros::Cuenta() const {
    return static_cast<int>(Bytes() / longitud_);
}

bool FicheroRegistros::Leer(int n, QByteArray& registro) const {
    if (!Abierto() || n < 1 || n > Cuenta()) return false;
    if (!fichero_.seek(static_cast<qint64>(n - 1) * longitud_)) return false;
    QByteArray leido = fichero_.read(longitud_);
    if (leido.size() != longitud_) return false;
    registro = std::move(leido);
    return true;
}

Error FicheroRegistros::Escribir(int n, const QByteArray& registro) {
    if (!Abierto() || soloLectura_) return ErrorDeApertura(ruta_);
    if (n < 1 || registro.size() != longitud_) return Error{Error::kEntradaSalida, {}};
    if (!fichero_.seek(static_cast<qint64>(n - 1) * longitud_) ||
        fichero_.write(registro) != longitud_ || !fichero_.flush()) {
        Error e = fichero_.error() == QFileDevice::ResourceError
                      ? Error{Error::kDiscoLleno, fichero_.errorString()}
                      : Error{Error::kEntradaSalida, fichero_.errorString()};
        fichero_.unsetError();
        return e;
    }
    return {};
}

QByteArray FicheroRegistros::LeerEnteros() const {
    if (!Abierto() || !fichero_.seek(0)) return {};
    return fichero_.read(static_cast<qint64>(Cuenta()) * longitud_);
}

Error FicheroRegistros::Reemplazar(const QByteArray& contenido, const QString& temporal) {
    const QString ruta = ruta_;
    Cerrar();
    const Error error = EscribirYRenombrar(ruta, temporal, contenido);
    // Opened again as it was before: read-only stays read-only, as start-up told.
    std::ignore = Abrir(ruta);
    return error;
}

}  // namespace tombolin
