#pragma once

#include <QTextBrowser>
#include <QWidget>

#include "ui/base/servicios.h"

class QPushButton;
class QTimer;

namespace tombolin {

// Shows the news file as the HTML it is, but as a document only: no scripts, nothing fetched
// from anywhere (remote or local), and links handed to the user's browser.
class NavegadorNoticias : public QTextBrowser {
    Q_OBJECT

  public:
    explicit NavegadorNoticias(QWidget* padre = nullptr);
    QVariant loadResource(int tipo, const QUrl& nombre) override;
};

// The news window "Noticias del jefe...": always on top at the top-left corner, with the news
// file, a contact label that moves to and fro, and a close label.
class Infor : public QWidget {
    Q_OBJECT

  public:
    Infor(const QString& ficheroNoticias, Servicios servicios, QWidget* padre = nullptr);

  public slots:
    // One step of the contact label (every 100 ms).
    void Mover();

  private:
    Servicios servicios_;
    NavegadorNoticias* navegador_;
    QWidget* carril_;
    QPushButton* contacto_;
    QPushButton* cerrar_;
    QTimer* reloj_;
    int paso_ = 1;
};

}  // namespace tombolin
