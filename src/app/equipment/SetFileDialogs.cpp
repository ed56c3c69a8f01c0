#include "app/equipment/SetFileDialogs.h"

#include "app/common/UserInterface.h"
#include "app/session/SettingsKeys.h"
#include "equipment/SetFile.h"

#include <QFile>
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

QString SetFileDialogs::AskSave(QWidget* parent)
{
    const QString confirmed = Ask(parent, true);
    if (confirmed.isEmpty()) return {};
    QString path = QFile::decodeName(SetFileName(QFile::encodeName(confirmed).toStdString()).c_str());
    // The name the player confirmed is the only one the dialog may have warned about.
    if (path != confirmed && QFileInfo::exists(path) &&
        !ui_.Confirm(parent, QString("%1 already exists.\nDo you want to replace it?").arg(path)))
        return {};
    return path;
}

}  // namespace vantor
