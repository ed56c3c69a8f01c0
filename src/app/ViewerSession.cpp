// The frame's part in the remembered session: the window's place, the set and the page.
#include "app/EquipmentPage.h"
#include "app/Session.h"
#include "app/Viewer.h"

#include <QTabWidget>

namespace vantor {

void TViewer::RestoreWindowPlace() { vantor::RestoreWindowPlace(*this, settings_); }

void TViewer::RestoreSession()
{
    events_.Run([this] {
        if (const std::vector<std::string> lines = SavedSet(settings_); !lines.empty())
            equipmentPage_->TellMissing(equipmentPage_->ApplySet(lines), "The last session's set");
        if (const auto page = SavedPage(settings_, TDisplay->count()); page && TDisplay->isTabVisible(*page))
            TDisplay->setCurrentIndex(*page);
    });
    if (!openAtStart_.isEmpty()) events_.Run([this] { equipmentPage_->OpenSet(openAtStart_); });
    equipmentPage_->StartHistory();  // the first step is the set the player comes back to
}

void TViewer::closeEvent(QCloseEvent* e)
{
    KeepSession(settings_, *this, TDisplay->currentIndex(), equipmentPage_->SetText());
    QString error;
    if (!settings_.Save(error)) ui_.ShowMessage(this, error);
    QMainWindow::closeEvent(e);
}

}  // namespace vantor
