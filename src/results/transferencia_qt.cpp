#include "results/transferencia_qt.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace tombolin {

namespace {

// What a failed reply says of its cause; `cuerpo`: part of the answer had come.
Transferencia::Fallo Causa(const QNetworkReply& r, bool cuerpo) {
    using F = Transferencia::Fallo;
    if (r.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400) return F::Http;
    switch (r.error()) {
        case QNetworkReply::SslHandshakeFailedError:
            return F::Certificado;
        case QNetworkReply::InsecureRedirectError:
            return F::Redireccion;
        case QNetworkReply::TimeoutError:
        case QNetworkReply::OperationCanceledError:  // the transfer's own time limit
            return F::SinRespuesta;
        case QNetworkReply::RemoteHostClosedError:
        case QNetworkReply::ProtocolFailure:
            return cuerpo ? F::Cortada : F::SinConexion;
        case QNetworkReply::ConnectionRefusedError:
        case QNetworkReply::HostNotFoundError:
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
        case QNetworkReply::UnknownNetworkError:
        case QNetworkReply::ProxyConnectionRefusedError:
        case QNetworkReply::ProxyConnectionClosedError:
        case QNetworkReply::ProxyNotFoundError:
        case QNetworkReply::ProxyTimeoutError:
            return F::SinConexion;
        default:
            return F::Otro;
    }
}

}  // namespace

TransferenciaQt::TransferenciaQt(QObject* padre) : Transferencia(padre) {
    red_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

void TransferenciaQt::Cancelar() {
    if (!respuesta_) return;
    cancelada_ = true;
    respuesta_->abort();
}

void TransferenciaQt::Empezar(const QString& url) {
    // The one in hand is dropped without a word: its end is not this transfer's.
    if (QNetworkReply* viejo = respuesta_) {
        respuesta_ = nullptr;
        viejo->abort();
    }
    QNetworkRequest peticion{QUrl(url, QUrl::TolerantMode)};
    peticion.setTransferTimeout(segundos_ * 1000);
    peticion.setHeader(QNetworkRequest::UserAgentHeader,
                       QStringLiteral("Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, "
                                      "like Gecko) Chrome/131.0.0.0 Safari/537.36"));
    peticion.setRawHeader("Accept-Language", "es-ES,es;q=0.9");
    peticion.setRawHeader("Accept", "application/json, text/plain, */*");

    Conectando();
    demasiado_ = false;
    cancelada_ = false;
    respuesta_ = red_.get(peticion);
    connect(respuesta_, &QNetworkReply::readyRead, this, &TransferenciaQt::Llega);
    connect(respuesta_, &QNetworkReply::finished, this, &TransferenciaQt::Acaba);
}

void TransferenciaQt::Llega() {
    auto* r = qobject_cast<QNetworkReply*>(sender());
    if (!r || r != respuesta_ || demasiado_) return;
    const QByteArray parte = r->readAll();
    if (Cuerpo().size() + parte.size() > limite_) {
        demasiado_ = true;
        r->abort();
        return;
    }
    Recibe(parte);
}

void TransferenciaQt::Acaba() {
    auto* r = qobject_cast<QNetworkReply*>(sender());
    if (!r) return;
    r->deleteLater();
    // A reply given up for a newer transfer says nothing about it.
    if (r != respuesta_) return;
    if (!demasiado_ && r->isOpen()) {
        const QByteArray resto = r->readAll();
        if (Cuerpo().size() + resto.size() > limite_) {
            demasiado_ = true;
        } else if (!resto.isEmpty()) {
            Recibe(resto);
        }
    }
    respuesta_ = nullptr;
    const int codigo = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (demasiado_) {
        Termina(QStringLiteral("La respuesta del servidor es demasiado grande."),
                Fallo::DemasiadoGrande, codigo);
    } else if (r->error() != QNetworkReply::NoError) {
        Termina(r->errorString(), cancelada_ ? Fallo::Cancelada : Causa(*r, !Cuerpo().isEmpty()),
                codigo);
    } else {
        Termina({}, Fallo::Ninguno, codigo);
    }
}

}  // namespace tombolin
