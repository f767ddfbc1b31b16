#pragma once

#include <QWidget>

#include "core/estado.h"
#include "results/transferencia.h"
#include "ui/servicios.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tombolin {

// The download of new draws: the button, the status and byte-count labels and the progress
// bar of the main window, and the one-second watchdog that decides whether the transfer
// failed, is slow or succeeded. On success the document is kept in "www.txt", its new draws
// are appended to the draws file, and the main window is asked to check and refresh.
class BarraDescarga : public QWidget {
    Q_OBJECT

  public:
    // Progress values.
    enum Progreso { kAbortada = 0, kConectando, kRecibido, kComprobando, kRefrescando, kTerminada };

    BarraDescarga(Estado& estado, Servicios servicios, Transferencia& transferencia,
                  QString servicioOperador, QWidget* padre = nullptr);

    // The request for the draws of the last 100 days up to `hoy`.
    QString Direccion(QDate hoy) const;
    // A download is running: from the click until the watchdog ends it.
    bool Descargando() const;
    int ProgresoActual() const;
    QString TextoEstado() const;
    int SorteosNuevos() const { return sorteosNuevos_; }
    bool AnalisisFallido() const { return analisisFallido_; }

  public slots:
    void BajarSorteos();
    // One tick of the watchdog (every second while it runs).
    void TicVigilante();

  signals:
    // A download starts (true) or has ended, whichever way (false).
    void descargando(bool si);
    // A download starts: clear the new-draws label, stop the prize notice, close the news.
    void empieza();
    void nuevosSorteos(const QString& texto);
    // The draws file changed.
    void sorteosCambiados();
    // Check the syndicates against the new draws (progress stands at 3 meanwhile).
    void comprobar(int sorteosNuevos);
    // Show the new prize breakdown (the draws themselves were read at sorteosCambiados).
    void refrescar();
    void primeraPestana();
    // The document could not be read: what the document area should say.
    void analisisImposible(const QString& texto);

  private:
    // The watchdog's states.
    enum class Fase {
        Parada,      // no download
        Conectando,  // asked for; no answer yet (100 characters or fewer)
        Buscando,    // an answer is coming or in: it is read once the transfer is done
        Leyendo,     // the answer is stored, checked and shown (the official PDF is fetched)
    };

    void PonerProgreso(int valor);
    void PonerEstado(const QString& texto);
    void Recibido(qint64 bytes);
    void Terminada();
    void HayRespuesta();
    void Abortar(const QString& texto);
    void Parar();
    void Leer();
    void AnalizarYFusionar();

    Estado& estado_;
    Servicios servicios_;
    Transferencia& transferencia_;
    QString servicio_;

    QPushButton* boton_;
    QLabel* estadoTexto_;
    QLabel* bytes_;
    QProgressBar* progreso_;
    QTimer* vigilante_;

    Fase fase_ = Fase::Parada;
    int segundos_ = 0;
    bool analisisFallido_ = false;
    int sorteosNuevos_ = 0;
};

}  // namespace tombolin
