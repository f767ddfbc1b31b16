#pragma once

#include <QDate>
#include <QObject>
#include <QStringList>
#include <array>
#include <future>
#include <optional>
#include <utility>
#include <vector>

#include "checking/comprobacion.h"
#include "statistics/base_informes.h"

namespace tombolin {

class DatosPrograma;
class Dialogos;
struct Estado;
struct FichaPena;
struct Pena;

// The report store as the program keeps it: opened beside the start-up, given the rows the
// reports read as the data on show change (the newest draw, the statistics' selection, the card
// of the syndicate on show, the ranked numbers), and the two reports shown from it. Each failed
// write is told, once in a command at most; a report is built only after its rows were written
// again, so it never shows what an earlier failure left behind.
class InformesPrograma : public QObject {
    Q_OBJECT

  public:
    InformesPrograma(Estado& estado, Dialogos& dialogos, const DatosPrograma& datos,
                     QObject* padre = nullptr);
    ~InformesPrograma() override;

    // A new user's empty store is copied first. The key derivation takes tens of milliseconds:
    // the opening runs beside the start-up.
    void Abrir();
    // While the start-up runs nothing waits for the store; the rows wait for it instead.
    void PonerArrancando(bool si) { arrancando_ = si; }
    // The opening waited for and the rows kept so far written (a failure told); false while the
    // start-up runs.
    bool Listos();
    void Cerrar();

    // The card on show.
    void GuardarFicha(const Pena& pena, const FichaPena& ficha, const ImportesPena& importes);
    // The wizard's ranking: its first `cuantos` numbers with how often each came out.
    void GuardarNumeros(const std::array<int, 49>& orden, int cuantos);
    // The statistics report (0) or the syndicate report (1).
    void Mostrar(int informe);

  private:
    // The store's tables as the messages group them: the statistics' ("Informe", "Sorteos",
    // "Numeros") and the syndicate's ("Peña", "Peñanums").
    enum class Tablas { Estadisticas, Pena };

    void SeleccionCambiada();
    Error Disponible() const;
    Error EscribirSeleccion();
    Error EscribirNumeros();
    Error EscribirFicha();
    Error Escribir(Tablas tablas);
    void Avisar(const Error& error, Tablas tablas);
    QString Causa(const Error& error) const;

    Estado& estado_;
    Dialogos& dialogos_;
    const DatosPrograma& datos_;
    BaseInformes base_;
    std::future<BaseInformes::Apertura> apertura_;
    Error errorApertura_;
    bool listos_ = false;
    bool arrancando_ = false;
    bool avisadoEnLaOrden_ = false;
    // The rows the store is to hold, kept until it has taken them.
    std::optional<QString> frase_;
    int seleccionTotal_ = 0;
    std::optional<QString> seleccionDias_;
    QDate seleccionDesde_{1899, 12, 30}, seleccionHasta_{1899, 12, 30};
    std::optional<BaseInformes::FichaInforme> ficha_;
    QStringList lineas_;
    std::optional<std::vector<std::pair<int, int>>> numeros_;
};

}  // namespace tombolin
