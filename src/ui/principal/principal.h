#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

#include "core/estado.h"
#include "programa/cadena_descarga.h"
#include "ui/base/servicios.h"

class QAction;
class QTabWidget;

namespace tombolin {

class Arranque;
class CadenaDescarga;
class DatosPrograma;
class InformesPrograma;
class Crea;
class Creamenu;
class PaginaCrearCombinacion;
class SeleccionEstadistica;
class VentanaSecundaria;
struct TablaReducida;
class CabeceraSorteos;
class Infor;
class PaginaEstadisticas;
class PaginaUltimoSorteo;
class PaginaGeneral;
class PaginaGestor;

// The main window: it is the program. It owns the program-wide state, runs the start-up and the
// exit, shows the update status above the tab strip, and carries out the commands of its pages.
class Principal : public QMainWindow {
    Q_OBJECT

  public:
    // Tab order of the pages.
    enum Pestana { kGeneral = 0, kUltimoSorteo, kGestor, kEstadisticas, kCrearCombinacion };

    // The user's files are in `carpetaPrograma`; the shipped ones in `carpetaCompartida`, or
    // beside them when it is empty. The results service is the operator's unless a test gives
    // its own.
    Principal(const QString& carpetaPrograma, Servicios servicios,
              const QString& servicioOperador = QLatin1String(CadenaDescarga::kServicioOperador),
              QWidget* padre = nullptr, const QString& carpetaCompartida = {});
    ~Principal() override;

    // A copy of the program whose own folder can't be written keeps the user's files elsewhere:
    // the start-up says so, and offers to bring the files left in `carpeta`.
    void PonerProgramaSinEscritura(const QString& carpeta) { programaSinEscritura_ = carpeta; }
    // The start-up. Returns false when the program can't run and has ended (salir).
    bool CargarPrincipal();

    Estado& estado() { return estado_; }
    bool Terminado() const { return terminado_; }

  public slots:
    // Runs after the first display and each time the window comes back after another window of
    // the program closed (those windows call it when they close).
    void ActivarPrincipal();
    void salir();

    // Commands.
    void CrearPena();
    void EditarPena();
    void ImprimirPena();
    void BorrarPena();
    void BorrarSorteos();
    void ImportarSorteos();
    void BorrarSorteoDeLista(int fila);
    // The news of the maker's site, fetched when the draws are a few days old.
    void ComprobarNoticias();
    void LeerMensaje();
    void AbrirWeb();
    void AbrirInstrucciones();

  protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

  private:
    // The whole menu tree, in one table.
    void CrearMenus();
    // While a download runs, the commands that change files wait, and say why.
    void PermitirCambios(bool si);
    // The editor on a new syndicate of that kind.
    void NuevaPena(int modo, const TablaReducida* tabla);
    void AbrirVentana(VentanaSecundaria* ventana);
    void CambioDePestana(int pestana);

    Estado estado_;
    Servicios servicios_;
    QString programaSinEscritura_;
    bool modoBorrado_ = false;  // set by the delete-draws command for the rest of the run

    QTabWidget* pestanas_ = nullptr;
    PaginaGeneral* general_ = nullptr;
    PaginaGestor* gestor_ = nullptr;
    PaginaEstadisticas* estadisticas_ = nullptr;
    PaginaUltimoSorteo* ultimo_ = nullptr;
    CadenaDescarga* descarga_ = nullptr;
    QPointer<Infor> noticias_;
    PaginaCrearCombinacion* crear_ = nullptr;
    SeleccionEstadistica* seleccion_ = nullptr;
    DatosPrograma* datos_ = nullptr;
    InformesPrograma* informes_ = nullptr;
    std::unique_ptr<Arranque> arranque_;
    bool pintada_ = false;
    QPointer<Creamenu> menuCreacion_;
    CabeceraSorteos* cabecera_ = nullptr;
    std::vector<QAction*> accionesQueCambian_;
    bool cambiosPermitidos_ = true;
    int pestanaAnterior_ = 0;

    int activaciones_ = 0;
    bool activacionPendiente_ = false;
    bool terminado_ = false;
};

}  // namespace tombolin
