#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "core/registros.h"
#include "core/resumen.h"

class QLabel;
class QPushButton;
class QToolButton;
class QStringListModel;
class QTableView;
class QListView;

namespace tombolin {

class GraficoTarta;
class ModeloPenas;

// The "Gestor de peñas" page: the syndicate list, the summary of all syndicates and the card of
// the selected one, with the buttons of the syndicate and draw commands.
class PaginaGestor : public QWidget {
    Q_OBJECT

  public:
    explicit PaginaGestor(QWidget* padre = nullptr);

    // Fills the list and the summary.
    void MostrarResumen(const std::vector<Pena>& penas, const ResumenTodas& resumen);
    // The card of a syndicate; without syndicates, the empty card.
    void MostrarFicha(const FichaPena& ficha);
    void MostrarVacia();
    // Highlights row n (from 1) without telling anybody.
    void SeleccionarFila(int n);

    // "56 euros.": what the syndicate on show costs a week.
    void MostrarGastoSemanal(const QString& texto);
    // The buttons that change files wait while a download runs; `porque` says why.
    void PermitirCambios(bool si, const QString& porque);

  signals:
    // The user chose syndicate n (from 1) in the list.
    void penaPulsada(int n);
    void borrarPena();
    void editarPena();
    void imprimirPena();
    void verInforme();
    void borrarSorteos();
    void importarSorteos();

  private:
    void FilaElegida(int fila);

    ModeloPenas* modelo_;
    QTableView* lista_;
    QToolButton* botonBorrarPena_;
    QToolButton* botonEditarPena_;
    QToolButton* botonImprimirPena_;
    QToolButton* botonBorrarSorteos_;
    QToolButton* botonImportar_;
    bool seleccionando_ = false;
    bool hayPenas_ = false;
    bool cambiosPermitidos_ = true;
    int filaAvisada_ = -1;

    QLabel* numeroPenas_;
    QLabel* totalAciertos_;
    QLabel* efectividadTotal_;
    QLabel* jugadosTotal_;
    GraficoTarta* tartaTotal_;

    std::array<QLabel*, 5> contadores_{};
    QLabel* jugadosPena_;
    QLabel* efectividadPena_;
    QLabel* descripcion_;
    QLabel* gasto_;
    QPushButton* informe_;
    QLabel* base_;
    QStringListModel* lineas_;
    QListView* listaLineas_;
    GraficoTarta* tartaPena_;
};

}  // namespace tombolin
