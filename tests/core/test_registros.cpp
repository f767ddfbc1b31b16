// The records on disk, byte for byte: every field at its offset, little-endian, text in
// Windows-1252 padded with blanks. The expected bytes are built here from the table of offsets,
// independently of the program's encoders.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstring>

#include "core/fechas.h"
#include "core/fichero_registros.h"
#include "core/penas.h"
#include "core/registros.h"
#include "core/sorteos.h"
#include "core/texto1252.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

// Writes values at given offsets of a zeroed buffer.
struct Bytes {
    QByteArray b;
    explicit Bytes(int n, char relleno = '\0') : b(n, relleno) {}
    Bytes& i16(int off, int v) {
        b[off] = static_cast<char>(v & 0xFF);
        b[off + 1] = static_cast<char>((v >> 8) & 0xFF);
        return *this;
    }
    Bytes& f32(int off, float v) {
        std::memcpy(b.data() + off, &v, 4);
        return *this;
    }
    Bytes& f64(int off, double v) {
        std::memcpy(b.data() + off, &v, 8);
        return *this;
    }
    Bytes& raw(int off, const QByteArray& v) {
        std::memcpy(b.data() + off, v.constData(), v.size());
        return *this;
    }
};

Pena PenaCompleta() {
    Pena p;
    p.Nombre = QStringLiteral("Peña del €uro");
    p.ReducidaNumeros = 9;
    p.ReducidaGarantia = 4;
    for (int i = 0; i < 20; ++i) p.Base[i] = static_cast<int16_t>(i + 1);
    for (int l = 0; l < Pena::kLineas; ++l) {
        for (int c = 0; c < Apuesta::kColumnas; ++c) {
            p.Apuestas[l].Columnas[c] = static_cast<int16_t>(l * 100 + c - 7);
        }
    }
    p.Aciertos[3] = 12;
    p.Aciertos[4] = -2;
    p.Aciertos[5] = 32767;
    p.Aciertos[6] = 1;
    p.Aciertos[7] = 300;
    p.DiasJuego = QStringLiteral("Jueves y Sábado");
    p.NumApuestas = 503;
    p.FechaCreacion = 46000.0;
    p.FechaComprobado = 46001.5;
    return p;
}

TEST(Registros, PenaEnSusDesplazamientos) {
    const Pena p = PenaCompleta();
    Bytes e(8307);
    e.raw(0, QByteArray("Pe\361a del \200uro       ", 20));  // Windows-1252, octal escapes
    e.i16(20, 9).i16(22, 4);
    for (int i = 0; i < 20; ++i) e.i16(24 + 2 * i, i + 1);
    for (int l = 0; l < 205; ++l) {
        for (int c = 0; c < 20; ++c) e.i16(64 + 40 * l + 2 * c, l * 100 + c - 7);
    }
    e.i16(8264, 12).i16(8266, -2).i16(8268, 32767).i16(8270, 1).i16(8272, 300);
    e.raw(8274, QByteArray("Jueves y S\341bado", 15));
    e.i16(8289, 503).f64(8291, 46000.0).f64(8299, 46001.5);

    EXPECT_EQ(CodificarPena(p), e.b);
    const Pena leida = DecodificarPena(e.b.constData());
    EXPECT_EQ(leida.NombreVisible(), QStringLiteral("Peña del €uro"));
    EXPECT_EQ(leida.DiasVisibles(), QStringLiteral("Jueves y Sábado"));
    EXPECT_EQ(CodificarPena(leida), e.b);
}

TEST(Registros, ConfiguracionEnSusDesplazamientosConservaLoReservado) {
    Bytes e(86, '\0');
    e.raw(0, QByteArray("\x01\x02", 2)).f32(2, -1.5f).f32(6, 2.25f);
    e.raw(10, QByteArray("\x03\x04", 2)).f32(12, 2.5f).i16(16, 36);
    e.raw(18, QByteArray("www.tombolin.example").append(QByteArray(40, ' ')));
    e.raw(78, QByteArray("\x05\x06\x07\x08\x09\x0A\x0B\x0C", 8));

    const Configuracion c = DecodificarConfiguracion(e.b.constData());
    EXPECT_EQ(c.AjusteX, -1.5f);
    EXPECT_EQ(c.AjusteY, 2.25f);
    EXPECT_EQ(c.PrecioApuesta, 2.5f);
    EXPECT_EQ(c.MesesMaximos, 36);
    EXPECT_EQ(c.DireccionVisible(), QStringLiteral("www.tombolin.example"));
    EXPECT_EQ(CodificarConfiguracion(c), e.b);
}

TEST(Registros, Texto1252) {
    struct Caso {
        QString texto;
        int ancho;
        QByteArray bytes;
    };
    // Latin letters, the euro and blank padding are in the syndicate's record above.
    const Caso casos[] = {
        {QStringLiteral("demasiado largo"), 4, QByteArray("dema")},
        // Characters without a Windows-1252 form, one "?" each (also outside the BMP).
        {QStringLiteral("a\u4E00b\U0001F600c"), 6, QByteArray("a?b?c ")},
        {QStringLiteral("“Šœ”"), 4, QByteArray("\x93\x8A\x9C\x94")},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(CodificarCampo(c.texto, c.ancho), c.bytes) << c.texto.toStdString();
    }
    // Every byte survives a round trip, the five that Windows-1252 leaves undefined included.
    QByteArray todos(256, '\0');
    for (int i = 0; i < 256; ++i) todos[i] = static_cast<char>(i);
    EXPECT_EQ(CodificarCampo(DecodificarCampo(todos.constData(), 256), 256), todos);
}

// Draws written by the program, each field at its offset and each record at its place, and read
// back the same.
TEST(Registros, FicheroEscritoPorElProgramaIgualAlConstruidoAMano) {
    const Sorteo sorteos[] = {
        pruebas::UnSorteo(QDate(1985, 10, 17), {3, 11, 13, 15, 34, 35}, 27, -1, 559707),
        pruebas::UnSorteo(QDate(2026, 12, 5), {49, 48, 47, 46, 45, 44}, 7, 9, 91862)};
    const QByteArray esperado =
        pruebas::RegistroSorteoAMano({3, 11, 13, 15, 34, 35}, 27, -1, 31337.0, 559707.0) +
        pruebas::RegistroSorteoAMano({49, 48, 47, 46, 45, 44}, 7, 9, 46361.0, 91862.0);
    QTemporaryDir dir;
    const QString ruta = dir.filePath("numeros.dat");
    FicheroRegistros canal(Sorteo::kLongitud);
    ASSERT_FALSE(canal.Abrir(ruta));
    for (int n : {1, 2}) ASSERT_FALSE(EscribirSorteo(canal, n, sorteos[n - 1]));
    canal.Cerrar();
    EXPECT_EQ(pruebas::LeerBytes(ruta), esperado);
    EXPECT_EQ(DecodificarSorteo(esperado.constData()), sorteos[0]);
}

TEST(Registros, LecturaMasAllaDelFinalDejaElBufferComoEstaba) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("numeros.dat");
    // Two whole draws and a torn third.
    const QByteArray uno = pruebas::RegistroSorteoAMano({1, 2, 3, 4, 5, 6}, 7, 8, 31337.0, 0);
    pruebas::EscribirBytes(ruta, uno + uno + uno.left(20));
    // (The start counts the whole ones and tells of the rest: Arranque.FicherosDanadosOImposibles.)
    FicheroRegistros canal(Sorteo::kLongitud);
    ASSERT_FALSE(canal.Abrir(ruta));
    Sorteo s;
    s.Complementario = 99;
    for (int n : {0, 3, 4, -1}) {
        EXPECT_FALSE(LeerSorteo(canal, n, s)) << n;
        EXPECT_EQ(s.Complementario, 99);
    }
    EXPECT_TRUE(LeerSorteo(canal, 2, s));
    EXPECT_EQ(s.Complementario, 7);
    // Appending after the whole records takes the place of the torn one.
    ASSERT_FALSE(EscribirSorteo(canal, 3, s));
    EXPECT_EQ(canal.Cuenta(), 3);
    EXPECT_EQ(canal.BytesSobrantes(), 0);
}

TEST(Fechas, NombresYFormatos) {
    // Monday, Thursday and Saturday, in long and short dates, are read in many windows' tests.
    EXPECT_EQ(diasemana(QDate(2026, 12, 6)), QStringLiteral("Domingo"));
    EXPECT_EQ(diasemana(QDate(2026, 12, 2)), QStringLiteral("Miércoles"));
    EXPECT_EQ(FechaAOle(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(OleAFecha(-1.25), QDate(1899, 12, 29));
    EXPECT_EQ(OleAFecha(46361.75), QDate(2026, 12, 5));
    EXPECT_FALSE(OleAFecha(1e300).isValid());
    EXPECT_FALSE(OleAFecha(std::nan("")).isValid());
}

}  // namespace
}  // namespace tombolin
