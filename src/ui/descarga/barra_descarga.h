#pragma once

#include <QWidget>
#include <vector>

#include "core/estado.h"
#include "results/tramos.h"
#include "results/transferencia.h"
#include "ui/base/servicios.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tombolin {

// The download of new draws: the button, the status and byte-count labels and the progress
// bar of the main window, and the one-second watchdog that decides whether the transfer
// failed, is slow or succeeded. A download is a chain of requests, oldest first, so that every
// draw missing after the newest one held is fetched (`TramosDescarga`); each answer is found whole
// before it is kept in "www.txt" and its new draws are appended, and only then is the next one
// asked for. At the end, or at the first failure, the main window is asked once to check and
// refresh.
class BarraDescarga : public QWidget {
    Q_OBJECT

  public:
    // Progress values.
    enum Progreso { kAbortada = 0, kConectando, kRecibido, kComprobando, kRefrescando, kTerminada };

    BarraDescarga(Estado& estado, Servicios servicios, Transferencia& transferencia,
                  QString servicioOperador, QWidget* padre = nullptr);

    // A download is running: from the click until the watchdog ends it.
    bool Descargando() const;
    int ProgresoActual() const;
    QString TextoEstado() const;
    // Draws appended by the last download (1 when none: one recent draw is shown afterwards).
    int SorteosNuevos() const { return sorteosNuevos_; }
    bool AnalisisFallido() const { return analisisFallido_; }
    // The requests of the download in hand, or of the last one.
    const std::vector<Tramo>& Tramos() const { return tramos_; }

  public slots:
    void BajarSorteos();
    // One tick of the watchdog (every second while it runs).
    void TicVigilante();
    // Stops a download of several requests after the one in hand; what came stays.
    void Cancelar();

  signals:
    // A download starts (true) or has ended, whichever way (false).
    void descargando(bool si);
    // One request of several is asked for: "Petición 2 de 3: del 31/07/2026 al 28/08/2026".
    void tramoPedido(const QString& texto);
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
    void PedirTramo();
    void Recibido(qint64 bytes);
    void Terminada();
    void HayRespuesta();
    // A request failed: `texto`, its cause and what is still missing are told, and the download
    // ends, checking what earlier requests brought.
    void Fallar(const QString& texto);
    // The request in hand is given up.
    void Detener();
    // The end of a download that stopped: what came is checked, or the bar shows nothing.
    void Acabar();
    bool AlgoGuardado() const { return guardados_ > 0 || intercalados_ > 0; }
    void Parar();
    void Leer();
    // Reads the answer kept in "www.txt" and stores its draws; false when the chain stops here.
    bool AnalizarYFusionar();
    // Puts in their place the draws of the days the file lacks in its middle that the answer
    // brings; false when the file can't be written.
    bool IntercalarSueltos(const QByteArray& www);
    // The end of every download that stored something or read every answer: the check of the
    // new draws and the refreshes, once. `completa`: every request was read.
    void Finalizar(bool completa);
    void Avisar(const QString& texto, Icono icono, const QString& titulo);
    // The draws held that could be, read from the file as it is now.
    std::vector<Sorteo> SorteosGuardados() const;
    // The lines that name what is still missing, after the text of a chain that stopped.
    QString ConFaltan(const QString& texto) const;

    Estado& estado_;
    Servicios servicios_;
    Transferencia& transferencia_;
    QString servicio_;

    QPushButton* boton_;
    QPushButton* cancelar_;
    QLabel* estadoTexto_;
    QLabel* bytes_;
    QLabel* tramoTexto_;
    QProgressBar* progreso_;
    QTimer* vigilante_;

    Fase fase_ = Fase::Parada;
    int segundos_ = 0;
    bool analisisFallido_ = false;
    int sorteosNuevos_ = 0;

    std::vector<Tramo> tramos_;
    std::vector<QDate> sueltos_;  // days the file lacks in its middle (SorteosQueFaltan)
    size_t tramo_ = 0;
    int guardados_ = 0;     // draws appended by this download
    int intercalados_ = 0;  // draws put in their place among older ones
    bool avisado_ = false;  // a box already said how this download went
};

}  // namespace tombolin
