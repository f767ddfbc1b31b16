#pragma once

#include <QNetworkAccessManager>
#include <QPointer>

#include "results/transferencia.h"

class QNetworkReply;

namespace tombolin {

// Transfers with Qt Network: HTTPS with its certificates checked, redirects followed (never
// from HTTPS to HTTP), an answer that stays silent for the time limit given up, a body over the
// size limit refused, and the headers of a browser so that the operator's site answers.
class TransferenciaQt : public Transferencia {
    Q_OBJECT

  public:
    static constexpr int kSegundosSinRespuesta = 5;
    static constexpr qint64 kLimiteBytes = 8 * 1024 * 1024;

    explicit TransferenciaQt(QObject* padre = nullptr);

    void Empezar(const QString& url) override;
    void Cancelar() override;

    void PonerLimiteBytes(qint64 limite) { limite_ = limite; }
    void PonerSegundosSinRespuesta(int segundos) { segundos_ = segundos; }

  private:
    void Llega();
    void Acaba();

    QNetworkAccessManager red_;
    QPointer<QNetworkReply> respuesta_;
    bool demasiado_ = false;
    bool cancelada_ = false;
    qint64 limite_ = kLimiteBytes;
    int segundos_ = kSegundosSinRespuesta;
};

}  // namespace tombolin
