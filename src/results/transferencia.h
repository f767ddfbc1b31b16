#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The transfers over the network. The download of new draws runs asynchronously and tells its
// progress; the official PDF and the news are fetched with `Traer`, which waits for the end
// with events flowing.
namespace tombolin {

class Transferencia : public QObject {
    Q_OBJECT

  public:
    enum class Estado { Libre, Conectando, Recibiendo, Hecha, Fallida };
    // Why a transfer failed, for a message that names the real cause.
    enum class Fallo {
        Ninguno,
        SinConexion,      // no server answered: no network, a name that isn't found, refused
        Certificado,      // the server's certificate can't be trusted
        Redireccion,      // sent from HTTPS to plain HTTP, which is refused
        Http,             // the server answered with an error status (Codigo())
        Cortada,          // the connection closed before the whole answer came
        DemasiadoGrande,  // the answer passed the size limit and was given up
        SinRespuesta,     // the server stayed silent for the time limit
        Cancelada,        // given up by the program
        Otro,
    };

    using QObject::QObject;

    // Cancels any transfer in hand and starts fetching `url`. What arrives is told by
    // `recibido`, the end (whichever way) by `terminada`.
    virtual void Empezar(const QString& url) = 0;
    // Gives the transfer in hand up; it ends as failed.
    virtual void Cancelar() = 0;

    Estado EstadoActual() const { return estado_; }
    bool Ejecutando() const {
        return estado_ == Estado::Conectando || estado_ == Estado::Recibiendo;
    }
    // What came, whole or not.
    const QByteArray& Cuerpo() const { return cuerpo_; }
    // Why the last transfer failed; empty when it did not.
    const QString& TextoError() const { return error_; }
    Fallo FalloActual() const { return fallo_; }
    // The HTTP status of the last answer (0 when none came).
    int Codigo() const { return codigo_; }

    // Fetches `url` and returns its body (empty when nothing came), waiting for the end.
    QByteArray Traer(const QString& url);
    // Fetches `url` into the file `ruta`, which is replaced only by a whole, successful answer.
    bool TraerAFichero(const QString& url, const QString& ruta);

  signals:
    void recibido(qint64 bytes);
    void terminada();

  protected:
    // For the implementations: a transfer starts, a piece arrives, it ends.
    void Conectando();
    void Recibe(const QByteArray& parte);
    void Termina(const QString& error, Fallo fallo = Fallo::Otro, int codigo = 0);

  private:
    Estado estado_ = Estado::Libre;
    QByteArray cuerpo_;
    QString error_;
    Fallo fallo_ = Fallo::Ninguno;
    int codigo_ = 0;
};

}  // namespace tombolin
