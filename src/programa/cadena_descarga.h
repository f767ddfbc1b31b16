#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "checking/premios_nuevos.h"
#include "core/dialogos.h"
#include "core/estado.h"
#include "core/notificador.h"
#include "core/reloj.h"
#include "results/almacen_premios.h"
#include "results/tramos.h"
#include "results/transferencia.h"

class QTimer;

namespace tombolin {

// The download of new draws, whichever face runs it: a chain of requests, oldest first, so that
// every draw missing after the newest one held is fetched (`TramosDescarga`), each watched by a
// one-second watchdog that decides whether the transfer failed, is slow or succeeded. Each answer
// is found whole before it is kept in "www.txt" and its new draws are appended, and only then is
// the next one asked for. At the end, or at the first failure, the new draws are checked once and
// the refreshes asked for. It tells the user through Dialogos and shows its progress through its
// state and signals; the window's download bar is its view.
class CadenaDescarga : public QObject {
    Q_OBJECT

  public:
    // The operator's results service, its real host.
    static constexpr const char* kServicioOperador = "https://www.loteriasyapuestas.es";

    // Progress values.
    enum Progreso { kAbortada = 0, kConectando, kRecibido, kComprobando, kRefrescando, kTerminada };

    CadenaDescarga(Estado& estado, Dialogos& dialogos, const Reloj& reloj,
                   Transferencia& transferencia, QString servicioOperador,
                   QObject* padre = nullptr);

    // The check of the new draws, run once at the end with their number (at least 1). By default
    // the syndicates' counters are brought up to date; the window puts its results page's check
    // instead, which shows them too.
    void PonerComprobacion(std::function<void(int)> comprobar) {
        comprobar_ = std::move(comprobar);
    }

    // Where the prize breakdown of every entry of every answer is kept; none by default.
    void PonerAlmacen(AlmacenPremios* almacen) { almacen_ = almacen; }
    // Where each new prize the check finds is told; none by default.
    void PonerNotificador(Notificador* notificador) { notificador_ = notificador; }
    // With nobody to answer (a timer's run): every missing draw is fetched without asking, and
    // fetching the missing amounts is not offered.
    void PonerDesatendida(bool si) { desatendida_ = si; }

    // A download is running: from the start until the watchdog ends it.
    bool Descargando() const { return fase_ != Fase::Parada; }
    // A request is asked for or its answer is coming: a chain of several can be cancelled.
    bool Esperando() const { return fase_ == Fase::Conectando || fase_ == Fase::Buscando; }
    int ProgresoActual() const { return progreso_; }
    // "CONECTANDO AL SERVIDOR", "BUSCANDO SORTEOS", "ANALIZANDO DATOS", "TRANSFERENCIA
    // FINALIZADA", or empty.
    const QString& TextoEstado() const { return estadoTexto_; }
    // The characters received of the answer in hand: "0 Bytes" before any download.
    const QString& TextoBytes() const { return bytes_; }
    // Draws appended by the last download (1 when none: one recent draw is shown afterwards).
    int SorteosNuevos() const { return sorteosNuevos_; }
    bool AnalisisFallido() const { return analisisFallido_; }
    // The last download stopped on an error (said through Dialogos): no connection, an answer
    // refused, a file that could not be written, the computer's clock behind the draws held.
    bool Fallida() const { return fallida_; }
    // The prizes the check of the last download counted: the new draws', once.
    const std::vector<PremioNuevo>& PremiosNuevosDeLaDescarga() const { return premiosNuevos_; }
    // The requests of the download in hand, or of the last one, and which one is asked for.
    const std::vector<Tramo>& Tramos() const { return tramos_; }
    size_t TramoActual() const { return tramo_; }
    // "Petición 2 de 3: del 31/07/2026 al 28/08/2026".
    QString TextoTramo() const;

  public slots:
    void BajarSorteos();
    // "Completar importes": the same chain of requests, over the days of the draws held whose
    // prizes (of any syndicate, since its start day) lack their amount, keeping only each
    // answer's breakdowns; no draw is stored and nothing is checked. Says at the end how many
    // of those days now have their breakdown.
    void CompletarImportes();
    // One tick of the watchdog (every second while it runs).
    void TicVigilante();
    // Stops a download after the request in hand; what came stays.
    void Cancelar();

  signals:
    // The status, the progress, the bytes received or the request in hand changed.
    void cambiado();
    // A download starts (true) or has ended, whichever way (false).
    void descargando(bool si);
    // A download starts: clear the new-draws label, stop the prize notice, close the news.
    void empieza();
    // One request of several is asked for (TextoTramo).
    void tramoPedido(const QString& texto);
    void nuevosSorteos(const QString& texto);
    // The draws file changed.
    void sorteosCambiados();
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
    // The end of a download that stopped: what came is checked, or nothing shows.
    void Acabar();
    bool AlgoGuardado() const { return guardados_ > 0 || intercalados_ > 0; }
    void Parar();
    void Leer();
    // Reads the answer kept in "www.txt" and stores its draws; false when the chain stops here.
    bool AnalizarYFusionar();
    // Keeps the breakdowns of the answer kept in "www.txt" (`www`); returns the days they are of.
    std::vector<QDate> GuardarPremios(const QByteArray& www);
    void Empezar();
    void TerminarImportes();
    // The days whose prize amounts are missing; before `antesDe` only, when it is given.
    std::vector<QDate> DiasSinImporte(QDate antesDe = {}) const;
    // After the first whole download, once: the amounts older than its requests are offered.
    void OfrecerImportes();
    // Puts in their place the draws of the days the file lacks in its middle that the answer
    // brings; false when the file can't be written.
    bool IntercalarSueltos(const QByteArray& www);
    // The end of every download that stored something or read every answer: the check of the
    // new draws and the refreshes, once. `completa`: every request was read.
    void Finalizar(bool completa);
    // The prizes the check counted, from the syndicates as they were before it: kept and told.
    void AvisarPremiosNuevos(const std::vector<Pena>& antes);
    void Avisar(const QString& texto, Icono icono, const QString& titulo);
    // A data file that could not be written: said, and the download has failed.
    void FalloFichero(const Error& error, const char* fichero);
    // The draws held that could be, read from the file as it is now.
    std::vector<Sorteo> SorteosGuardados() const;
    // The lines that name what is still missing, after the text of a chain that stopped.
    QString ConFaltan(const QString& texto) const;

    Estado& estado_;
    Dialogos& dialogos_;
    const Reloj& reloj_;
    Transferencia& transferencia_;
    QString servicio_;
    std::function<void(int)> comprobar_;
    AlmacenPremios* almacen_ = nullptr;
    Notificador* notificador_ = nullptr;
    bool desatendida_ = false;
    bool fallida_ = false;
    std::vector<PremioNuevo> premiosNuevos_;
    QTimer* vigilante_;

    Fase fase_ = Fase::Parada;
    int segundos_ = 0;
    int progreso_ = kAbortada;
    QString estadoTexto_;
    QString bytes_ = QStringLiteral("0 Bytes");
    bool analisisFallido_ = false;
    int sorteosNuevos_ = 0;

    std::vector<Tramo> tramos_;
    std::vector<QDate> sueltos_;  // days the file lacks in its middle (SorteosQueFaltan)
    size_t tramo_ = 0;
    int guardados_ = 0;                         // draws appended by this download
    int intercalados_ = 0;                      // draws put in their place among older ones
    std::vector<double> intercaladosContados_;  // of those, the ones counted for the syndicates
    bool avisado_ = false;                      // a box already said how this download went
    bool premiosAvisados_ = false;              // the store's failure was said in this download
    bool importes_ = false;                     // the chain only completes prize amounts
    std::vector<QDate> diasImportes_;
    int conDesglose_ = 0;  // days of diasImportes_ whose breakdown came
};

}  // namespace tombolin
