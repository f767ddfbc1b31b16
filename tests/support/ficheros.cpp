#include "ficheros.h"

#include <QFile>
#include <cstring>
#include <stdexcept>
#include <tuple>

#include "core/estado.h"
#include "core/sorteos.h"

namespace tombolin::pruebas {

QByteArray LeerBytes(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void EscribirBytes(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        throw std::runtime_error("no se pudo escribir " + ruta.toStdString());
    }
}

const std::vector<Sorteo>& Historia() {
    static const std::vector<Sorteo> h =
        LeerSorteosDe(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/historico/numeros.dat"));
    return h;
}

QByteArray RegistroSorteoAMano(std::initializer_list<int> numeros, int c, int r, double fecha,
                               double joker) {
    QByteArray b(32, '\0');
    int off = 0;
    const auto i16 = [&](int v) {
        b[off] = static_cast<char>(v & 0xFF);
        b[off + 1] = static_cast<char>((v >> 8) & 0xFF);
        off += 2;
    };
    for (int n : numeros) i16(n);
    off = 12;
    i16(c);
    i16(r);
    std::memcpy(b.data() + 16, &fecha, 8);  // this machine is little-endian, as the file
    std::memcpy(b.data() + 24, &joker, 8);
    return b;
}

void PonerTablas(const QString& carpeta) {
    EscribirBytes(carpeta + QStringLiteral("/tablas.bin"),
                  "10\r\n4 aciertos en al menos una de sus\r\n3\r\n010203040506\r\n"
                  "010207080910\r\n030405060708\r\n");
}

void AbrirEstado(Estado& estado, const QString& carpeta) {
    estado.RutaPrograma = RutaConSeparador(carpeta);
    std::ignore = estado.Penas.Abrir(estado.Fichero(kFicheroPenas));
    std::ignore = estado.Sorteos.Abrir(estado.Fichero(kFicheroSorteos));
}

}  // namespace tombolin::pruebas
