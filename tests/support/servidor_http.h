#pragma once

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <functional>
#include <vector>

namespace tombolin::pruebas {

// A small HTTP server on 127.0.0.1 for the tests: it serves what each path is given, slowly,
// cut short, oversized or never, and records the requests it receives. It runs on the test's
// own thread: the program's synchronous transfers keep the event loop turning while they wait.
class ServidorHttp : public QObject {
    Q_OBJECT

  public:
    struct Respuesta {
        int estado = 200;
        QByteArray cuerpo;
        QByteArray tipo = "application/json; charset=utf-8";
        int retrasoMs = 0;
        bool nuncaResponde = false;
        bool cortar = false;   // announces the whole body, sends half of it and hangs up
        bool truncar = false;  // announces no length, sends half of the body and hangs up: the
                               // client can't tell it from a whole answer
        QByteArray ubicacion;  // Location header (for redirects)

        Respuesta(int e = 200, QByteArray c = {}) : estado(e), cuerpo(std::move(c)) {}
        Respuesta& Tipo(QByteArray t) { return Con(&Respuesta::tipo, std::move(t)); }
        Respuesta& Retraso(int ms) { return Con(&Respuesta::retrasoMs, ms); }
        Respuesta& Mudo() { return Con(&Respuesta::nuncaResponde, true); }
        Respuesta& Cortada() { return Con(&Respuesta::cortar, true); }
        Respuesta& Truncada() { return Con(&Respuesta::truncar, true); }
        Respuesta& Hacia(QByteArray u) { return Con(&Respuesta::ubicacion, std::move(u)); }
        template <class T>
        Respuesta& Con(T Respuesta::*campo, T valor) {
            this->*campo = std::move(valor);
            return *this;
        }
    };
    struct Peticion {
        QString ruta;
        QString consulta;
        QByteArray agente;
        QByteArray idioma;
        // A date of the query ("fechaInicioInclusiva=20260818") read as a date; invalid when
        // it is not there.
        QDate Fecha(const char* clave) const;
    };
    // An answer made for each request, as a real service makes it.
    using Servicio = std::function<Respuesta(const Peticion&)>;

    ServidorHttp();
    QString Base() const;  // "http://127.0.0.1:port"
    void Poner(const QString& ruta, const Respuesta& respuesta) { rutas_[ruta] = respuesta; }
    void PonerServicio(const QString& ruta, Servicio servicio) { servicios_[ruta] = servicio; }
    std::vector<Peticion> peticiones;

  private:
    void Atender(QTcpSocket* s);

    QTcpServer servidor_;
    QMap<QString, Respuesta> rutas_;
    QMap<QString, Servicio> servicios_;
};

}  // namespace tombolin::pruebas
