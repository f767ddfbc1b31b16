#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>

#include "results/transferencia.h"

class QNetworkReply;

namespace tombolin {

// Transfers with Qt Network: HTTPS with its certificates checked, redirects followed (never
// from HTTPS to HTTP), an answer that stays silent for the time limit given up, a body over the
// size limit refused, and the headers of a browser so that the operator's site answers.
class TransferenciaQt : public QObject, public Transferencia {
    Q_OBJECT

  public:
    static constexpr int kSegundosSinRespuesta = 5;
    static constexpr qint64 kLimiteBytes = 8 * 1024 * 1024;

    explicit TransferenciaQt(QObject* padre = nullptr);

    QByteArray Traer(const QString& url) override;
    bool TraerAFichero(const QString& url, const QString& ruta) override;
    void Cancelar() override;
    int Estado() const override { return estado_; }
    QString TextoError() const override { return error_; }
    bool Ejecutando() const override { return ejecutando_; }

    void PonerLimiteBytes(qint64 limite) { limite_ = limite; }
    void PonerSegundosSinRespuesta(int segundos) { segundos_ = segundos; }

  private:
    QNetworkAccessManager red_;
    QPointer<QNetworkReply> respuesta_;
    int estado_ = 0;
    QString error_;
    bool ejecutando_ = false;
    qint64 limite_ = kLimiteBytes;
    int segundos_ = kSegundosSinRespuesta;
};

}  // namespace tombolin
