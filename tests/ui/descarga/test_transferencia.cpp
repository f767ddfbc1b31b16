// The real transfer against a real HTTP server on 127.0.0.1.
#include <gtest/gtest.h>

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTemporaryDir>

#include "results/textos_descarga.h"
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

// An HTTPS server on 127.0.0.1 with the test certificate: it answers every request with `respuesta`
// (a whole HTTP answer, "%1" standing for its own port).
class ServidorTls : public QObject {
  public:
    explicit ServidorTls(QByteArray respuesta) : respuesta_(std::move(respuesta)) {
        QSslConfiguration c = QSslConfiguration::defaultConfiguration();
        c.setLocalCertificate(Certificado());
        c.setPrivateKey(QSslKey(pruebas::LeerBytes(Ruta("clave.pem")), QSsl::Rsa));
        servidor_.setSslConfiguration(c);
        servidor_.listen(QHostAddress::LocalHost, 0);
        connect(&servidor_, &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* s = servidor_.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    if (!s->readAll().contains("\r\n\r\n")) return;
                    s->write(QString::fromLatin1(respuesta_).arg(Puerto()).toLatin1());
                    s->flush();
                    s->disconnectFromHost();
                });
            }
        });
    }
    static QString Ruta(const char* f) {
        return QStringLiteral(TOMBOLIN_DATOS_PRUEBA "/tls/") + QLatin1String(f);
    }
    static QSslCertificate Certificado() {
        return QSslCertificate(pruebas::LeerBytes(Ruta("certificado.pem")));
    }
    quint16 Puerto() const { return servidor_.serverPort(); }
    QString Base() const { return QStringLiteral("https://127.0.0.1:%1").arg(Puerto()); }

  private:
    QSslServer servidor_;
    QByteArray respuesta_;
};

// What a failed transfer names as its cause: the download's message says it on its second line.
TEST(Transferencia, CadaFalloPorSuCausa) {
    using F = Transferencia::Fallo;
    ServidorHttp s;
    using R = ServidorHttp::Respuesta;
    s.Poner(QStringLiteral("/403"), R(403, QByteArray(300, 'e')));
    s.Poner(QStringLiteral("/cortado"), R(200, QByteArray(3000, 'c')).Cortada());
    s.Poner(QStringLiteral("/grande"), R(200, QByteArray(5000, 'g')));
    s.Poner(QStringLiteral("/mudo"), R().Mudo());
    ServidorTls tls(
        "HTTP/1.1 302 X\r\nLocation: http://127.0.0.1:%1/\r\nContent-Length: 0\r\n"
        "Connection: close\r\n\r\n");
    QTcpServer cerrado;
    cerrado.listen(QHostAddress::LocalHost, 0);
    const QString nadie = QStringLiteral("http://127.0.0.1:%1/").arg(cerrado.serverPort());
    cerrado.close();
    const QString certificado = QStringLiteral(
        "El certificado de seguridad del servidor no es válido: no se puede asegurar que quien "
        "responde es ONLAE, y no se ha bajado nada.");
    const auto probar = [&](const QString& url, F fallo, const QString& causa) {
        SCOPED_TRACE(url.toStdString());
        // A new one each time: nothing of the previous connection is kept.
        TransferenciaQt t;
        t.PonerSegundosSinRespuesta(1);
        t.PonerLimiteBytes(4000);
        t.Traer(url);
        EXPECT_EQ(t.FalloActual(), fallo);
        EXPECT_EQ(CausaDelFallo(t), causa);
    };
    probar(s.Base() + QStringLiteral("/403"), F::Http,
           QStringLiteral("El servidor de ONLAE ha respondido con el error 403."));
    probar(s.Base() + QStringLiteral("/cortado"), F::Cortada, {});
    probar(s.Base() + QStringLiteral("/grande"), F::DemasiadoGrande, {});
    probar(s.Base() + QStringLiteral("/mudo"), F::SinRespuesta, {});
    probar(nadie, F::SinConexion, {});
    // A certificate nobody vouches for is no connection problem.
    probar(tls.Base(), F::Certificado, certificado);
    // Trusted, the server sends the download to plain HTTP: refused.
    const QSslConfiguration antes = QSslConfiguration::defaultConfiguration();
    QSslConfiguration confianza = antes;
    confianza.addCaCertificate(ServidorTls::Certificado());
    QSslConfiguration::setDefaultConfiguration(confianza);
    probar(tls.Base(), F::Redireccion,
           QStringLiteral("El servidor ha desviado la petición a una dirección sin cifrar (http), "
                          "y se ha rechazado."));
    QSslConfiguration::setDefaultConfiguration(antes);
    // A slow answer that comes whole has no cause to name.
    s.Poner(QStringLiteral("/lento"), R(200, "tarde").Retraso(300));
    probar(s.Base() + QStringLiteral("/lento"), F::Ninguno, {});
}

}  // namespace
}  // namespace tombolin
