#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "checking/comprobacion.h"
#include "core/registros.h"
#include "core/resumen.h"

class QLabel;
class QPushButton;
class QToolButton;
class QStringListModel;
class QTableView;
class QListView;

namespace tombolin {

class DatosPrograma;
class Dialogos;
class GraficoTarta;
class ModeloPenas;
struct Estado;

// The "Gestor de peñas" page: the syndicate list, the summary of all syndicates and the card of
// the selected one, with the buttons of the syndicate and draw commands.
class PaginaGestor : public QWidget {
    Q_OBJECT

  public:
    // It follows the syndicates as `datos` reads them, and the price in the settings.
    PaginaGestor(Estado& estado, const DatosPrograma& datos, Dialogos& dialogos,
                 QWidget* padre = nullptr);
    // The card of syndicate n (from 1), which becomes the one loaded; without it, the empty card.
    void MostrarPena(int n);
    // The buttons that change files wait while a download runs; `porque` says why.
    void PermitirCambios(bool si, const QString& porque);

  signals:
    // A card was shown: the syndicate as read and what its card says.
    void fichaMostrada(const tombolin::Pena& pena, const tombolin::FichaPena& ficha,
                       const tombolin::ImportesPena& importes);
    void borrarPena();
    void editarPena();
    void imprimirPena();
    void verInforme();
    void borrarSorteos();
    void importarSorteos();

  private:
    // The list, the summary, and the card of the syndicate chosen (without a choice, the first).
    void MostrarPenas();
    void MostrarFicha(const FichaPena& ficha);
    void MostrarVacia();
    void MostrarDinero(const ImportesPena& importes);
    // Highlights row n (from 1) without telling anybody.
    void SeleccionarFila(int n);
    void FilaElegida(int fila);

    Estado& estado_;
    const DatosPrograma& datos_;
    Dialogos& dialogos_;

    ModeloPenas* modelo_;
    QTableView* lista_;
    QToolButton* botonBorrarPena_;
    QToolButton* botonEditarPena_;
    QToolButton* botonImprimirPena_;
    QToolButton* botonBorrarSorteos_;
    QToolButton* botonImportar_;
    QToolButton* botonExportar_;
    bool seleccionando_ = false;
    bool hayPenas_ = false;
    bool cambiosPermitidos_ = true;
    int filaAvisada_ = -1;

    QLabel* numeroPenas_;
    QLabel* totalAciertos_;
    QLabel* efectividadTotal_;
    QLabel* jugadosTotal_;
    QLabel* dineroTotal_;
    GraficoTarta* tartaTotal_;

    std::array<QLabel*, 5> contadores_{};
    QLabel* jugadosPena_;
    QLabel* efectividadPena_;
    QLabel* descripcion_;
    QLabel* gasto_;
    QLabel* ganado_;
    QLabel* gastado_;
    QLabel* balance_;
    QPushButton* informe_;
    QLabel* base_;
    QStringListModel* lineas_;
    QListView* listaLineas_;
    GraficoTarta* tartaPena_;
};

}  // namespace tombolin
