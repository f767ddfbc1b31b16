// The real transfer against a real HTTP server on 127.0.0.1.
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTemporaryDir>

#include "results/transferencia_qt.h"
#include "support/ficheros.h"
#include "support/servidor_http.h"

namespace tombolin {
namespace {

using pruebas::ServidorHttp;

// A body comes with a browser's headers; to a file it is saved, after redirections, only whole.
TEST(Transferencia, TraeElCuerpoConCabecerasDeNavegadorYAFicheroSoloEntero) {
    ServidorHttp s;
    using R = ServidorHttp::Respuesta;
    s.Poner(QStringLiteral("/servicios/buscadorSorteos"), R(200, QByteArray(500, 'x')));
    s.Poner(QStringLiteral("/viejo.pdf"), R(302).Hacia("/nuevo.pdf"));
    s.Poner(QStringLiteral("/nuevo.pdf"), R(200, "%PDF-1.4 contenido").Tipo("application/pdf"));
    s.Poner(QStringLiteral("/roto.pdf"), R(200, QByteArray(10000, 'r')).Cortada());
    TransferenciaQt t;
    EXPECT_EQ(t.Traer(s.Base() +
                      QStringLiteral("/servicios/buscadorSorteos?game_id=LAPR&celebrados=true")),
              QByteArray(500, 'x'));
    EXPECT_EQ(t.EstadoActual(), Transferencia::Estado::Hecha);
    EXPECT_FALSE(t.Ejecutando());
    ASSERT_EQ(s.peticiones.size(), 1u);
    EXPECT_EQ(s.peticiones[0].consulta, QStringLiteral("game_id=LAPR&celebrados=true"));
    EXPECT_TRUE(s.peticiones[0].agente.startsWith("Mozilla/5.0"));
    EXPECT_TRUE(s.peticiones[0].idioma.startsWith("es-ES"));

    QTemporaryDir dir;
    const QString ruta = dir.filePath("mavo.pdf");
    ASSERT_TRUE(t.TraerAFichero(s.Base() + QStringLiteral("/viejo.pdf"), ruta));
    EXPECT_EQ(pruebas::LeerBytes(ruta), QByteArray("%PDF-1.4 contenido"));
    EXPECT_FALSE(t.TraerAFichero(s.Base() + QStringLiteral("/roto.pdf"), ruta));
    EXPECT_EQ(pruebas::LeerBytes(ruta), QByteArray("%PDF-1.4 contenido"));
}

TEST(Transferencia, FallosDelServidor) {
    ServidorHttp s;
    using R = ServidorHttp::Respuesta;
    s.Poner(QStringLiteral("/403"), R(403, QByteArray(300, 'e')));
    s.Poner(QStringLiteral("/500"), R(500, "error"));
    s.Poner(QStringLiteral("/cortado"), R(200, QByteArray(100000, 'c')).Cortada());
    s.Poner(QStringLiteral("/mudo"), R().Mudo());
    s.Poner(QStringLiteral("/grande"), R(200, QByteArray(5000, 'g')));
    s.Poner(QStringLiteral("/lento"), R(200, "tarde").Retraso(300));
    TransferenciaQt t;
    t.PonerSegundosSinRespuesta(1);
    t.PonerLimiteBytes(4000);
    const struct {
        const char* ruta;
        bool falla;
        qsizetype bytes;
    } casos[] = {{"/403", true, 300},    {"/500", true, 5},  {"/404", true, 2},
                 {"/cortado", true, -1}, {"/mudo", true, 0}, {"/grande", true, 0},
                 {"/lento", false, 5}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.ruta);
        const QByteArray cuerpo = t.Traer(s.Base() + QLatin1String(c.ruta));
        EXPECT_EQ(t.EstadoActual() == Transferencia::Estado::Fallida, c.falla);
        EXPECT_EQ(!t.TextoError().isEmpty(), c.falla);
        if (c.bytes >= 0) {
            EXPECT_EQ(cuerpo.size(), c.bytes);
        }
    }
    // Nobody listening.
    QTcpServer cerrado;
    cerrado.listen(QHostAddress::LocalHost, 0);
    const quint16 puerto = cerrado.serverPort();
    cerrado.close();
    t.Traer(QStringLiteral("http://127.0.0.1:%1/").arg(puerto));
    EXPECT_EQ(t.EstadoActual(), Transferencia::Estado::Fallida);
}

}  // namespace
}  // namespace tombolin
