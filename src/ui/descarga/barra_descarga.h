#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tombolin {

class CadenaDescarga;

// The download as the main window shows it: the button (the cancel of a chain of several requests
// in its place while one runs), the status and byte-count labels and the progress bar, which says
// which request is in hand. It shows what the chain does, and starts and cancels it.
class BarraDescarga : public QWidget {
    Q_OBJECT

  public:
    explicit BarraDescarga(CadenaDescarga& cadena, QWidget* padre = nullptr);

  private:
    // Everything shown, from the chain's state, painted at once: the chain works between two
    // events.
    void Mostrar();

    CadenaDescarga& cadena_;
    QPushButton* boton_;
    QPushButton* cancelar_;
    QLabel* estadoTexto_;
    QLabel* bytes_;
    QProgressBar* progreso_;
};

}  // namespace tombolin
