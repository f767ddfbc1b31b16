#include "results/transferencia_qt.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "core/reemplazo.h"

namespace tombolin {

TransferenciaQt::TransferenciaQt(QObject* padre) : QObject(padre) {
    red_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

void TransferenciaQt::Cancelar() {
    if (respuesta_) respuesta_->abort();
}

QByteArray TransferenciaQt::Traer(const QString& url) {
    Cancelar();
    error_.clear();
    QNetworkRequest peticion{QUrl(url, QUrl::TolerantMode)};
    peticion.setTransferTimeout(segundos_ * 1000);
    peticion.setHeader(QNetworkRequest::UserAgentHeader,
                       QStringLiteral("Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, "
                                      "like Gecko) Chrome/131.0.0.0 Safari/537.36"));
    peticion.setRawHeader("Accept-Language", "es-ES,es;q=0.9");
    peticion.setRawHeader("Accept", "application/json, text/plain, */*");

    ejecutando_ = true;
    estado_ = 1;
    QNetworkReply* r = red_.get(peticion);
    respuesta_ = r;
    QByteArray cuerpo;
    bool demasiado = false;
    QEventLoop espera;
    connect(r, &QNetworkReply::readyRead, &espera, [&] {
        cuerpo += r->readAll();
        if (cuerpo.size() > limite_) {
            demasiado = true;
            r->abort();
        }
    });
    connect(r, &QNetworkReply::finished, &espera, &QEventLoop::quit);
    if (!r->isFinished()) espera.exec();
    if (!demasiado && r->isOpen()) cuerpo += r->readAll();

    if (demasiado) {
        error_ = QStringLiteral("La respuesta del servidor es demasiado grande.");
        cuerpo.clear();
    } else if (r->error() != QNetworkReply::NoError) {
        error_ = r->errorString();
    }
    estado_ = error_.isEmpty() ? kTerminada : kError;
    ejecutando_ = false;
    r->deleteLater();
    return cuerpo;
}

bool TransferenciaQt::TraerAFichero(const QString& url, const QString& ruta) {
    const QByteArray cuerpo = Traer(url);
    if (estado_ != kTerminada) return false;
    return !EscribirYRenombrar(ruta, ruta + QStringLiteral(".parte"), cuerpo);
}

}  // namespace tombolin
