#pragma once

#include <QWidget>
#include <vector>

#include "checking/comprobacion.h"
#include "checking/sesion_comprobacion.h"
#include "core/estado.h"
#include "ui/base/servicios.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;
class QVariantAnimation;

namespace tombolin {

class DatosPrograma;

class ModeloResultados;
class VistaResultados;

// The "General" page: the results views. Two lists (simple and reduced syndicates; multiple
// ones) of which one shows at a time, the buttons that choose between them and blink "P R E M I O"
// after a download brings a prize, the options, the syndicate chooser, how many recent draws
// are checked, the progress bar and the printed listing.
class PaginaGeneral : public QWidget {
    Q_OBJECT

  public:
    // The draw selector and the syndicate chooser follow what `datos` reads.
    PaginaGeneral(Estado& estado, Servicios servicios, const DatosPrograma& datos,
                  QWidget* padre = nullptr);

    // Checks the `n` most recent draws and shows the outcome.
    void ComprobarSencillas(int n);
    // Checks the draws the selector asks for (none without draws).
    void Refrescar();
    // The selector back to the newest draw, checked (moving it runs the check).
    void LlevarAlPrimerSorteo();
    void MostrarVista(bool multiple);
    void PararAvisoPremio();
    // A download starts: no notice blinks and the label of new draws is empty.
    void ReiniciarAvisoPremio();
    // A download stored `n` new draws: every syndicate's results for them, the selector set to
    // them (at most 8) without a second check.
    void ComprobarDescargados(int n);
    // Empties both lists.
    void VaciarListas();

    // The draw selector runs from 1 to the number of stored draws; disabled without draws,
    // and so are the options.
    void PonerSorteosGuardados(int sorteos);
    int SorteosAComprobar() const;
    void PonerSorteosAComprobar(int n);
    // "TODAS LAS PEÑAS" and one entry per syndicate, or "No hay Peñas creadas".
    void LlenarSelectorPenas(const std::vector<Pena>& penas);
    void QuitarSeleccionPenas();
    // The label that says which draws the last download stored; a prize found while it is not
    // empty starts the blinking notice.
    void PonerNuevosSorteos(const QString& texto);
    QString NuevosSorteos() const;
    // The options as the menus set them: a changed option acts as if clicked.
    void PonerOpciones(bool soloPremios, bool historico);

    bool VistaMultiple() const { return vistaMultiple_; }
    int ParpadeoPremio() const { return parpadeoPremio_; }
    void PonerParpadeoPremio(int valor) { parpadeoPremio_ = valor; }
    bool AvisoPremioActivo() const;
    const ModeloResultados* modeloSencilla() const { return modeloSencilla_; }
    const ModeloResultados* modeloMultiple() const { return modeloMultiple_; }

  signals:
    // A check changed the counters of syndicates on disk.
    void penasActualizadas();

  private:
    void Comprobar(int n, bool imprimir);
    void Imprimir();
    void Parpadeo();
    void PonerBoton(int boton, bool rojo);
    void HistoricoPulsado();
    void SoloPremiosPulsado();
    void PenaElegida();
    OpcionesComprobacion Opciones() const;

    Servicios servicios_;
    const DatosPrograma& datos_;
    SesionComprobacion sesion_;
    bool vistaMultiple_ = false;
    bool vistaPorPena_ = false;
    int parpadeoPremio_ = 0;
    bool avisoEscritura_ = false;
    bool comprobandoDescarga_ = false;

    std::array<QPushButton*, 2> vistas_{};
    QCheckBox* historico_;
    QCheckBox* soloPremios_;
    QPushButton* imprimir_;
    QComboBox* penas_;
    QSlider* selector_;
    QLabel* valor_;
    QLabel* nuevos_;
    QProgressBar* progreso_;
    ModeloResultados* modeloSencilla_;
    ModeloResultados* modeloMultiple_;
    VistaResultados* listaSencilla_;
    VistaResultados* listaMultiple_;
    QTimer* parpadeo_;
    QVariantAnimation* apertura_;
};

}  // namespace tombolin
