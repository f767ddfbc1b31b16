#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

// The forward key search over the results document, the way the program has always read it:
// no structured parser, only keys and end markers. The document is held in memory and read by
// 1-based character positions (one byte, one character).
namespace tombolin {

// A read outside the document: the run that caused it stops, the program goes on.
struct FueraDelDocumento : std::runtime_error {
    FueraDelDocumento() : std::runtime_error("lectura fuera del documento") {}
};

class Documento {
  public:
    Documento() = default;
    explicit Documento(QByteArray datos) : datos_(std::move(datos)) {}

    qint64 Longitud() const { return datos_.size(); }
    qint64 Posicion() const { return posicion_; }
    // Moving before the first character is a fault.
    void Ir(qint64 posicion);
    void Avanzar(qint64 caracteres) { Ir(posicion_ + caracteres); }
    const QByteArray& Datos() const { return datos_; }

  private:
    QByteArray datos_;
    qint64 posicion_ = 1;
};

// Searches forward from the current position for `empieza` (letter case ignored) and collects
// what follows it up to `final` (matched exactly or in upper case) or the last character. With
// `espacios` set, blanks are trimmed from both ends of what is collected. Returns "" when the
// key is not found before the end of the document.
QString busca(Documento& d, const QString& empieza, const QString& final, bool espacios = false);

// The text of a value: what follows the next double quote, or the next two when two stand
// together, up to `final`. The operator's answers open a value with one quote; documents with
// two read the same.
QString buscaValor(Documento& d, const QString& final);

// The same search storing a collected blank as "/" and never trimming (the news file).
QString busca3(Documento& d, const QString& empieza, const QString& final);

// The leading number of a text with blanks (spaces, tabs, line feeds) ignored anywhere, as the
// earlier program read numbers: "0 091 862" is 91862, "12x" is 12, "x12" is 0.
double Valor(const QString& texto);

}  // namespace tombolin
