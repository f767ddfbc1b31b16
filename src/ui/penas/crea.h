#pragma once

#include <functional>
#include <optional>
#include "ui/base/ventana_secundaria.h"

#include "core/edicion.h"
#include "core/estado.h"
#include "ui/base/servicios.h"

class QButtonGroup;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSpinBox;
class QStringListModel;

namespace tombolin {

class RejillaNumeros;

// The syndicate editor "Crear peña nueva...": a new syndicate of the kind chosen, or the lines of
// syndicate PenaActual changed one by one (each change written at once).
class Crea : public VentanaSecundaria {
    Q_OBJECT

  public:
    // A new syndicate. With CerrarEditorAlGuardar set, the first of NumerosOrdenados are marked
    // as if clicked when it opens, and it closes after saving; otherwise it clears itself for
    // another one.
    static Crea* Nueva(Estado& estado, Servicios servicios, EdicionPena edicion,
                       QWidget* padre = nullptr);
    // Syndicate PenaActual as stored; null when it can't be read.
    static Crea* Editar(Estado& estado, Servicios servicios, QWidget* padre = nullptr);

    const EdicionPena& Edicion() const { return edicion_; }
    // Where the numbers come from for "Aleatorio"; uniform in [0, 1).
    void PonerAzar(std::function<double()> azar) { azar_ = std::move(azar); }

  protected:
    void closeEvent(QCloseEvent* evento) override;

  private:
    Crea(Estado& estado, Servicios servicios, EdicionPena edicion, int pena, QWidget* padre);
    void Mostrar();
    void Avisar(const std::optional<Aviso>& aviso);
    void Atender(const EdicionPena::Resultado& r);
    void Escribir();
    void Recargar();

    // The controls' handlers.
    void NumeroPulsado(int numero);
    void NombreEditado(const QString& texto);
    void DiasElegidos(int opcion);
    void DesdeElegido();
    void Grabar();
    void BorrarUltima();
    void Aleatorio();
    void AnadirApuesta();
    void EliminarApuesta();
    void LineaElegida(int linea);

    Estado& estado_;
    Servicios servicios_;
    EdicionPena edicion_;
    int pena_ = 0;  // the record edited; 0 for a new syndicate
    bool grabada_ = false;
    std::function<double()> azar_;

    QLabel* encabezado_;
    QLineEdit* nombre_;
    QLabel* avisoNombre_;
    QDateEdit* desde_;
    QLabel* detalle_;
    QLabel* hecho_;  // what the last save did
    QButtonGroup* dias_;
    RejillaNumeros* rejilla_;
    QStringListModel* lineas_;
    QListView* listaLineas_;
    QLabel* contador_;
    QPushButton* grabar_;
    QPushButton* borrar_;
    QPushButton* aleatorio_;
    QPushButton* anadir_;
    QPushButton* eliminar_;
    QSpinBox* selector_;
    QPushButton* cerrar_;
};

}  // namespace tombolin
