#include "app/equipment/SetFileDialogs.h"

#include "app/common/UserInterface.h"
#include "app/session/SettingsKeys.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace vantor {

SetFileDialogs::SetFileDialogs(IUserInterface& ui, SettingsStore& settings) : ui_(ui), settings_(settings)
{
    OpenDialog1.Filter = SaveDialog1.Filter = "Equiment files (*.kreq)|*.kreq";
}

QString SetFileDialogs::Ask(QWidget* parent, bool save)
{
    FileDialogSettings& dialog = save ? SaveDialog1 : OpenDialog1;
    const auto last = keys::SetFolder().Find(settings_);
    dialog.InitialDir =
        last && QFileInfo(*last).isDir() ? *last : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = save ? ui_.SaveFileName(parent, dialog.Filter, dialog.InitialDir)
                        : ui_.OpenFileName(parent, dialog.Filter, dialog.InitialDir);
    if (!path.isEmpty()) keys::SetFolder().Write(settings_, QFileInfo(path).absolutePath());
    return path;
}

}  // namespace vantor
