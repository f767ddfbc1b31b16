#include "results/transferencia.h"

#include <QEventLoop>

#include "core/reemplazo.h"

namespace tombolin {

void Transferencia::Conectando() {
    estado_ = Estado::Conectando;
    cuerpo_.clear();
    error_.clear();
    fallo_ = Fallo::Ninguno;
    codigo_ = 0;
}

void Transferencia::Recibe(const QByteArray& parte) {
    estado_ = Estado::Recibiendo;
    cuerpo_ += parte;
    emit recibido(cuerpo_.size());
}

void Transferencia::Termina(const QString& error, Fallo fallo, int codigo) {
    error_ = error;
    estado_ = error.isEmpty() ? Estado::Hecha : Estado::Fallida;
    fallo_ = error.isEmpty() ? Fallo::Ninguno : fallo;
    codigo_ = codigo;
    emit terminada();
}

QByteArray Transferencia::Traer(const QString& url) {
    QEventLoop espera;
    const auto fin = connect(this, &Transferencia::terminada, &espera, &QEventLoop::quit);
    Empezar(url);
    if (Ejecutando()) espera.exec();
    disconnect(fin);
    return cuerpo_;
}

bool Transferencia::TraerAFichero(const QString& url, const QString& ruta) {
    const QByteArray cuerpo = Traer(url);
    if (estado_ != Estado::Hecha) return false;
    return !EscribirYRenombrar(ruta, ruta + QStringLiteral(".parte"), cuerpo);
}

}  // namespace tombolin
