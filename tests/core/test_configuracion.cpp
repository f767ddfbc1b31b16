// The settings file: created at first start, whole, and repaired when it holds what can't be used.
// (A price and months that can be used are kept from one start to the next, in
// Ventanas.Configuracion.)
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/configuracion.h"
#include "core/estado.h"
#include "support/ficheros.h"

namespace tombolin {
namespace {

Configuracion Leer(const QString& carpeta, Estado& estado) {
    estado.RutaPrograma = RutaConSeparador(carpeta);
    LeerConfiguracion(estado);
    return estado.Config;
}

TEST(Configuracion, ReparaLoQueNoSirveYConservaLoDemas) {
    const auto registro = [](float precio, int meses, const QByteArray& direccion) {
        Configuracion c;
        c.PrecioApuesta = precio;
        c.MesesMaximos = static_cast<int16_t>(meses);
        c.DireccionWeb = QString::fromLatin1(direccion);
        c.AjusteX = 1.25f;
        c.Reservado78 = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
        return CodificarConfiguracion(c);
    };
    const char* const web = "www.tombolin.example";  // what an address that can't be used becomes
    const struct {
        const char* caso;
        std::optional<QByteArray> fichero;  // none: the first start
        float precio;
        int meses;
        const char* direccion;
    } casos[] = {
        {"sin fichero", std::nullopt, 1.0f, 24, web},
        {"dirección de 60 caracteres", registro(2.5f, 36, QByteArray(60, 'x')), 2.5f, 36, web},
        {"dirección antigua", registro(2.5f, 36, "  www.tombolin-loterias.example"), 2.5f, 36, web},
        {"dirección vacía", registro(2.5f, 36, ""), 2.5f, 36, web},
        {"precio 0", registro(0.0f, 5, "mi.sitio.example"), 1.0f, 24, "mi.sitio.example"},
        {"fichero vacío", QByteArray(), 1.0f, 24, web},
        // A record cut in the middle of the address: price and months stay, address does not.
        {"registro cortado", registro(3.0f, 12, "mi.sitio.example").left(30), 3.0f, 12, web},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        QTemporaryDir dir;
        if (c.fichero) pruebas::EscribirBytes(dir.filePath("nums.ini"), *c.fichero);
        Estado estado;
        const Configuracion leida = Leer(dir.path(), estado);
        EXPECT_EQ(leida.PrecioApuesta, c.precio);
        EXPECT_EQ(leida.MesesMaximos, c.meses);
        EXPECT_EQ(leida.DireccionVisible(), QString::fromLatin1(c.direccion));
        // What is on disk is what is in memory, and always a whole record.
        EXPECT_EQ(pruebas::LeerBytes(dir.filePath("nums.ini")), CodificarConfiguracion(leida));
        EXPECT_EQ(leida.AjusteX, c.fichero.value_or(QByteArray()).size() >= 6 ? 1.25f : 0.0f);
    }
}

// The settings are replaced whole, like every data file: a full disk leaves the old record.
TEST(Configuracion, UnDiscoLlenoDejaElRegistroAnterior) {
    QTemporaryDir dir;
    Estado estado;
    Leer(dir.path(), estado);
    const QByteArray antes = pruebas::LeerBytes(dir.filePath("nums.ini"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), dir.filePath("nums.tmp")));
    estado.Config.PrecioApuesta = 2.5f;
    EXPECT_EQ(GuardarConfiguracion(estado).Numero, Error::kDiscoLleno);
    EXPECT_EQ(pruebas::LeerBytes(dir.filePath("nums.ini")), antes);
}

// What a box shows of a stored value is read back as that same value: the fewest digits, the
// comma, nothing a user could not type again. Thousands separators would be refused or misread
// ("12.345,5", "1000.000" as 1000). The boxes themselves show and read the usual values, up to the
// largest float (Ventanas.LasCajasDecimalesLeenLoQueMuestran).
TEST(CajasDecimales, LoMostradoSeLeeIgual) {
    const std::pair<float, const char*> casos[] = {
        {0.1f, "0,1"},
        {-0.75f, "-0,75"},
        {12345.671f, "12345,671"},
        {123456792, "123456792"},
    };
    for (const auto& [valor, texto] : casos) {
        EXPECT_EQ(TextoEnCaja(valor), QLatin1String(texto)) << texto;
        const std::optional<double> leido = LeerDecimal(QLatin1String(texto));
        ASSERT_TRUE(leido) << texto;
        EXPECT_EQ(static_cast<float>(*leido), valor) << texto;
    }
    // Beyond the largest float nothing is read.
    EXPECT_FALSE(LeerDecimal(QStringLiteral("340282360000000000000000000000000000000")));
    EXPECT_FALSE(LeerDecimal(QStringLiteral("1e39")));

    // And so for every float: one in each 65521 bit patterns, both signs.
    for (uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 65521) {
        const float valor = std::bit_cast<float>(static_cast<uint32_t>(bits));
        if (!std::isfinite(valor)) continue;
        const QString texto = TextoEnCaja(valor);
        const std::optional<double> leido = LeerDecimal(texto);
        ASSERT_TRUE(leido && static_cast<float>(*leido) == valor)
            << bits << " " << texto.toStdString();
        ASSERT_FALSE(texto.contains(QLatin1Char('.')) || texto.contains(QLatin1Char('E')))
            << texto.toStdString();
    }
}

}  // namespace
}  // namespace tombolin
