#pragma once

#include <gtest/gtest.h>
#include <QStringList>

#include <QDate>
#include <QString>
#include <QTimer>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "core/dialogos.h"
#include "core/escritorio.h"
#include "core/notificador.h"
#include "core/reloj.h"
#include "core/systemctl.h"
#include "impresion.h"
#include "impresora_registro.h"

namespace tombolin::pruebas {

// The built program run as a script or a timer runs it: a child process with no display at all
// (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM), `extra` added to its environment, the event
// loop turning meanwhile so that a test server answers. A minute at most; -1 when it didn't end.
struct Ejecucion {
    int codigo = -1;
    QString salida, errores;
};
Ejecucion EjecutarSinPantalla(const QString& programa, const QStringList& argumentos,
                              const std::vector<std::pair<QString, QString>>& extra = {});

// The desktop's notifications, recorded: "title | text" each.
class NotificadorGuion : public Notificador {
  public:
    QStringList avisos;
    void Notificar(const QString& titulo, const QString& texto) override {
        avisos << titulo + QStringLiteral(" | ") + texto;
    }
};

// "systemctl --user", recorded: each call as its arguments joined by blanks, answered after a
// turn of the event loop (as a child process would be) with the status and output given for its
// verb ("is-enabled", "enable", "disable").
class SystemctlGuion : public Systemctl {
  public:
    QStringList llamadas;
    std::map<QString, std::pair<int, QString>> respuestas;
    void Ejecutar(const QStringList& argumentos,
                  std::function<void(int codigo, const QString& salida)> hecho) override {
        llamadas << argumentos.join(QLatin1Char(' '));
        const std::pair<int, QString> r = respuestas[argumentos.value(1)];
        QTimer::singleShot(0, [hecho, r] { hecho(r.first, r.second); });
    }
};

// Scripted boxes: every box shown is recorded; questions take their answers, in order, from
// `respuestas`. A question with no scripted answer fails the test (and is answered No).
class DialogosGuion : public Dialogos {
  public:
    struct Caja {
        QString texto;
        Icono icono;
        Botones botones;
        QString titulo;
        std::optional<Respuesta> porDefecto;
    };
    struct PeticionFichero {
        QString titulo;
        QString carpeta;
        QString filtro;
    };

    std::vector<Caja> cajas;
    std::deque<Respuesta> respuestas;
    std::vector<PeticionFichero> peticiones;
    std::deque<QString> ficheros;  // answers of the open-file dialog; empty text = cancelled
    int impresorasPedidas = 0;
    bool aceptarImpresora = true;  // the answer of the print dialog

    Respuesta MostrarMensaje(const QString& texto, Icono icono, Botones botones,
                             const QString& titulo, std::optional<Respuesta> porDefecto) override;
    QString ElegirFichero(const QString& titulo, const QString& carpeta,
                          const QString& filtro) override;
    // Answered from the same `ficheros`, recorded in the same `peticiones`.
    QString GuardarFichero(const QString& titulo, const QString& sugerido,
                           const QString& filtro) override {
        return ElegirFichero(titulo, sugerido, filtro);
    }
    bool ElegirImpresora(Impresora&) override {
        ++impresorasPedidas;
        return aceptarImpresora;
    }
    // The preview draws on a recording printer, kept in `vista`.
    int vistasPrevias = 0;
    bool imprimirDesdeVista = false;
    std::vector<ImpresoraRegistro::Orden> vista;
    bool VistaPrevia(const QString& titulo,
                     const std::function<void(Impresora&)>& dibujar) override;
    // The reports shown: their titles and HTML.
    std::vector<std::pair<QString, QString>> informes;
    void VerInforme(const QString& titulo, const QString& html) override {
        informes.push_back({titulo, html});
    }
    // The waits shown (their texts); each waits, the event loop turning, up to `esperaMaxima`
    // milliseconds, then gives up as the user would.
    std::vector<QString> esperas;
    int esperaMaxima = 60000;
    bool Esperar(const QString& texto, const QString& titulo,
                 const std::function<bool()>& listo) override;

    // Whether box `i` (from the end when negative: -1 is the last) says `texto` and, when
    // they are given, has that title and icon. A failure lists every box shown.
    testing::AssertionResult Muestra(int i, const QString& texto, const char* titulo = nullptr,
                                     std::optional<Icono> icono = {}) const;
    // Whether that box was the only one.
    testing::AssertionResult SoloMuestra(const QString& texto, const char* titulo = nullptr,
                                         std::optional<Icono> icono = {}) const;
};

class RelojFijo : public Reloj {
  public:
    explicit RelojFijo(QDate hoy) : hoy_(hoy) {}
    void Poner(QDate hoy) { hoy_ = hoy; }
    QDate Hoy() const override { return hoy_; }
    QDateTime Ahora() const override { return QDateTime(hoy_, QTime(12, 0)); }

  private:
    QDate hoy_;
};

class EscritorioRegistro : public Escritorio {
  public:
    std::vector<QString> urls;
    std::vector<QString> correos;
    bool AbrirUrl(const QString& url) override {
        urls.push_back(url);
        return true;
    }
    bool NuevoCorreo(const QString& direccion) override {
        correos.push_back(direccion);
        return true;
    }
};

}  // namespace tombolin::pruebas
