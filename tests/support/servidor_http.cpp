#include "servidor_http.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace tombolin::pruebas {

ServidorHttp::ServidorHttp() {
    servidor_.listen(QHostAddress::LocalHost, 0);
    connect(&servidor_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = servidor_.nextPendingConnection()) {
            connect(s, &QTcpSocket::readyRead, this, [this, s] { Atender(s); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    });
}

QString ServidorHttp::Base() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(servidor_.serverPort());
}

QDate ServidorHttp::Peticion::Fecha(const char* clave) const {
    return QDate::fromString(QUrlQuery(consulta).queryItemValue(QLatin1String(clave)),
                             QStringLiteral("yyyyMMdd"));
}

void ServidorHttp::Atender(QTcpSocket* s) {
    QByteArray pedido = s->property("pedido").toByteArray() + s->readAll();
    s->setProperty("pedido", pedido);
    if (!pedido.contains("\r\n\r\n")) return;
    const QList<QByteArray> lineas = pedido.left(pedido.indexOf("\r\n\r\n")).split('\n');
    const QUrl url(QString::fromLatin1(lineas[0].split(' ').value(1)));
    Peticion p{url.path(), url.query(), {}, {}};
    for (const QByteArray& l : lineas) {
        const QByteArray linea = l.trimmed();
        if (linea.toLower().startsWith("user-agent:")) p.agente = linea.mid(11).trimmed();
        if (linea.toLower().startsWith("accept-language:")) p.idioma = linea.mid(16).trimmed();
    }
    peticiones.push_back(p);
    s->setProperty("pedido", QByteArray());

    const Respuesta r = servicios_.contains(p.ruta) ? servicios_[p.ruta](p)
                                                    : rutas_.value(p.ruta, Respuesta(404, "no"));
    if (r.nuncaResponde) return;
    const auto enviar = [s, r] {
        QByteArray cabecera = "HTTP/1.1 " + QByteArray::number(r.estado) + " X\r\n";
        cabecera += "Content-Type: " + r.tipo + "\r\n";
        if (!r.truncar)
            cabecera += "Content-Length: " + QByteArray::number(r.cuerpo.size()) + "\r\n";
        cabecera += "Connection: close\r\n";
        if (!r.ubicacion.isEmpty()) cabecera += "Location: " + r.ubicacion + "\r\n";
        s->write(cabecera + "\r\n");
        s->write(r.cortar || r.truncar ? r.cuerpo.left(r.cuerpo.size() / 2) : r.cuerpo);
        s->flush();
        s->disconnectFromHost();
    };
    if (r.retrasoMs > 0) {
        QTimer::singleShot(r.retrasoMs, s, enviar);
    } else {
        enviar();
    }
}

}  // namespace tombolin::pruebas
