#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "core/dialogos.h"
#include "core/tablas.h"
#include "statistics/seleccion.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;

namespace tombolin {

class DatosPrograma;
class SeleccionEstadistica;

// The "Crear Combinación" page: a new syndicate by hand, or the wizard that goes from a
// selection of draws (step 1) to the most frequent numbers (step 2) and on to a syndicate or the
// statistics report (step 3).
class PaginaCrearCombinacion : public QWidget {
    Q_OBJECT

  public:
    // Its first step tells what the scan of `datos` found.
    PaginaCrearCombinacion(SeleccionEstadistica& seleccion, const DatosPrograma& datos,
                           Dialogos& dialogos, const QString& ficheroTablas,
                           QWidget* padre = nullptr);

    // The page comes to the front: the wizard's first step, tables listed for 0 numbers.
    void Preparar();
    // The page is left: the wizard starts again from its first step.
    void Reiniciar();
    void PermitirCambios(bool si, const QString& porque);

    int NumerosElegidos() const;

  signals:
    void crearPena();
    // A syndicate from the numbers ranked: simple (0), a multiple's code, or reduced (7) with its
    // table.
    void crearPenaGuiada(int modo, const tombolin::TablaReducida* tabla);
    // The ranking of step 2 and how many of its numbers were kept.
    void clasificados(const std::array<int, 49>& orden, int cuantos);
    void verInforme();

  private:
    void Automatica();
    void NumerosCambiados(int n);
    void TablaElegida(int entrada);
    void CrearGuiada(int i);
    void VolverAlPaso1();
    void ListarTablas(int n);
    void PonerBotonesCrear();

    SeleccionEstadistica& seleccion_;
    const DatosPrograma& datos_;  // its latest scan: the counts ranked, the sentences
    Dialogos& dialogos_;
    QString ficheroTablas_;
    std::vector<TablaReducida> tablas_;
    std::vector<int> posiciones_;
    bool cambiosPermitidos_ = true;

    QWidget* introduccion_;
    QToolButton* crear_;
    QWidget* pasos_;
    QLabel* frase1_;
    QLabel* frase2_;
    QSlider* cuantos_;
    QLabel* textoCuantos_;
    QLabel* numeros_;
    QPushButton* informe_;
    QPushButton* reducida_;
    QPushButton* sencilla_;
    QPushButton* multiple_;
    QPushButton* volver_;
    QComboBox* lista_;
    QLabel* rango_;
    QFrame* ayuda_;
    QFrame* descripcion_;
    QLabel* dSeleccion_;
    QLabel* dAsegura_;
    QLabel* dPosibilidad_;
    QLabel* dJugarTodo_;
    QLabel* dApuestasTodo_;
};

}  // namespace tombolin
