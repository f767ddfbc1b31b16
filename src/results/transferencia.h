#pragma once

#include <QByteArray>
#include <QString>

// The transfers over the network: a synchronous fetch of an address, as the download, the
// official PDF and the news need it.
namespace tombolin {

class Transferencia {
  public:
    // The state a failed transfer is left in.
    static constexpr int kError = 11;
    static constexpr int kTerminada = 12;

    virtual ~Transferencia() = default;

    // Cancels any transfer in hand, then fetches `url` and returns its body (empty when
    // nothing came). Events go on being handled meanwhile.
    virtual QByteArray Traer(const QString& url) = 0;
    // Fetches `url` into the file `ruta`, which is replaced only by a whole, successful answer.
    virtual bool TraerAFichero(const QString& url, const QString& ruta) = 0;
    virtual void Cancelar() = 0;

    virtual int Estado() const = 0;
    // Why the last transfer failed; empty when it did not.
    virtual QString TextoError() const = 0;
    virtual bool Ejecutando() const = 0;
};

}  // namespace tombolin
