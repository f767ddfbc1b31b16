#pragma once

#include <QString>

namespace tombolin {

// What went wrong in a file operation. The numbers are the ones users of this program have
// always seen after "Error " in its messages.
struct [[nodiscard]] Error {
    static constexpr int kNinguno = 0;
    static constexpr int kNoEncontrado = 53;   // file not found
    static constexpr int kEntradaSalida = 57;  // device input/output error
    static constexpr int kDiscoLleno = 61;
    static constexpr int kPermiso = 70;  // permission denied
    static constexpr int kAcceso = 75;   // path or file access error

    int Numero = kNinguno;
    QString Detalle;  // the system's own words, for the closing note of a failure

    explicit operator bool() const { return Numero != kNinguno; }
    // Failures that the permission message explains.
    bool EsDePermiso() const { return Numero == kAcceso || Numero == kPermiso; }

    // The error of the last failed system call (errno).
    static Error DeErrno(int numeroErrno);
};

}  // namespace tombolin
