#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <vector>

#include "core/error.h"

namespace tombolin {

// Record numbers are signed 16-bit: no draws file or syndicate file holds more records.
inline constexpr int kMaximoRegistros = 32767;

// A data file of fixed-length records numbered from 1, held open for the whole run. Record n
// starts at byte (n - 1) x length. A last record cut short (a torn write by some other program)
// is not a record: it is ignored by reads and counts, and left on disk untouched until the file
// is next rewritten.
class FicheroRegistros {
  public:
    explicit FicheroRegistros(int longitud) : longitud_(longitud) {}
    FicheroRegistros(const FicheroRegistros&) = delete;
    FicheroRegistros& operator=(const FicheroRegistros&) = delete;

    // Opens for reading and writing, creating an empty file when there is none. A file that may
    // not be written is opened for reading only; the error then says why it can't be written.
    Error Abrir(const QString& ruta);
    void Cerrar();

    bool Abierto() const { return fichero_.isOpen(); }
    bool SoloLectura() const { return Abierto() && soloLectura_; }
    int Longitud() const { return longitud_; }
    const QString& Ruta() const { return ruta_; }

    qint64 Bytes() const;
    int Cuenta() const;  // whole records
    qint64 BytesSobrantes() const { return Bytes() % longitud_; }

    // Reads record n into `registro`. At the end of the file (or past it, or before record 1)
    // it returns false and leaves `registro` as it was.
    bool Leer(int n, QByteArray& registro) const;
    Error Escribir(int n, const QByteArray& registro);

    // Every whole record, back to back.
    QByteArray LeerEnteros() const;

    // Gives the file a new content through `temporal` (see EscribirYRenombrar) and opens it
    // again, whatever the outcome.
    Error Reemplazar(const QByteArray& contenido, const QString& temporal);

    // Typed access for a record type with its length and its decoder.
    template <class T>
    bool Leer(int n, T& registro, T (*decodificar)(const char*)) const {
        QByteArray bytes;
        if (!Leer(n, bytes)) return false;
        registro = decodificar(bytes.constData());
        return true;
    }
    template <class T>
    std::vector<T> LeerTodos(T (*decodificar)(const char*)) const {
        return DecodificarTodos(LeerEnteros(), decodificar);
    }
    // Every whole record of `bytes`.
    template <class T>
    static std::vector<T> DecodificarTodos(const QByteArray& bytes, T (*decodificar)(const char*)) {
        std::vector<T> todos;
        todos.reserve(bytes.size() / T::kLongitud);
        for (qsizetype off = 0; off + T::kLongitud <= bytes.size(); off += T::kLongitud)
            todos.push_back(decodificar(bytes.constData() + off));
        return todos;
    }

  private:
    int longitud_;
    QString ruta_;
    mutable QFile fichero_;
    bool soloLectura_ = false;
};

}  // namespace tombolin
