#pragma once

#include <QMainWindow>

#include "core/estado.h"
#include "ui/servicios.h"

class QTabWidget;

namespace tombolin {

// The main window: it is the program. It owns the program-wide state, runs the start-up and the
// exit, and holds the tab strip with the five pages.
class Principal : public QMainWindow {
    Q_OBJECT

public:
    // Tab order of the pages.
    enum Pestana { kGeneral = 0, kUltimoSorteo, kGestor, kEstadisticas, kCrearCombinacion };

    Principal(const QString& carpetaPrograma, Servicios servicios, QWidget* padre = nullptr);
    ~Principal() override;

    // The start-up. Returns false when the program can't run and has ended (salir).
    bool CargarPrincipal();

    Estado& estado() { return estado_; }
    QTabWidget* pestanas() const { return pestanas_; }
    int Activaciones() const { return activaciones_; }
    bool Terminado() const { return terminado_; }

public slots:
    // Runs after the first display and each time the window comes back after another window of
    // the program closed (those windows call it when they close).
    void ActivarPrincipal();
    void salir();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void CrearMenus();

    Estado estado_;
    Servicios servicios_;
    QString carpetaPrograma_;

    QTabWidget* pestanas_ = nullptr;
    int activaciones_ = 0;
    bool activacionPendiente_ = false;
    bool terminado_ = false;
};

}  // namespace tombolin
