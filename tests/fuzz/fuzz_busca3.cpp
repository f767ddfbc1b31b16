// The news search over "informe.dat": a key, an end marker and a document of any bytes. The
// search reads forward until it fails; it must never read outside the document other than by
// its own exception, and no value it returns is longer than the document.
#include "comun.h"
#include "results/busca.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    // The first two bytes give the lengths of the key and of the end marker that follow them.
    if (tamano < 2) return 0;
    const size_t largoClave = datos[0] % 8, largoFinal = datos[1] % 4;
    if (tamano < 2 + largoClave + largoFinal) return 0;
    const QString clave = QString::fromLatin1(fuzz::Bytes(datos + 2, largoClave));
    const QString final = QString::fromLatin1(fuzz::Bytes(datos + 2 + largoClave, largoFinal));
    const size_t inicio = 2 + largoClave + largoFinal;
    const QByteArray documento = fuzz::Bytes(datos + inicio, tamano - inicio);
    tombolin::Documento d(documento);
    try {
        for (int vueltas = 0; vueltas < 64; ++vueltas) {
            const qint64 antes = d.Posicion();
            const QString valor = tombolin::busca3(d, clave, final);
            if (valor.isEmpty() && d.Posicion() == antes) break;
            if (valor.size() > d.Longitud()) __builtin_trap();
        }
    } catch (const tombolin::FueraDelDocumento&) {
    }
    tombolin::Documento noticias(documento);
    try {
        tombolin::busca3(noticias, QStringLiteral("web:"), QStringLiteral(">"));
    } catch (const tombolin::FueraDelDocumento&) {
    }
    return 0;
}
