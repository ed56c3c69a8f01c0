#include "app/window/LoadWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace vantor {

TfrmLoad::TfrmLoad(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint)
{
    setObjectName("frmLoad");
    setWindowTitle("Vantor");
    setFixedSize(216, 92);
    lblLoading = new QLabel("Loading. Please wait.", this);
    lblLoading->setObjectName("lblLoading");
    lblLoading->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblLoading);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

}  // namespace vantor
