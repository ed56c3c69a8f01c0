#include "app/equipment/SetFiles.h"

#include "app/common/StatusLine.h"
#include "app/common/Widgets.h"
#include "app/equipment/SetFileIO.h"

#include <QDir>
#include <QFileInfo>

namespace vantor {

void SetFiles::Save(QWidget* parent, bool again)
{
    const QString path = again && !dialogs_.Current().isEmpty() ? dialogs_.Current() : dialogs_.AskSave(parent);
    if (path.isEmpty()) return;
    WriteWholeFile(path, does_.Text());
    Used(path);
    TellStatus(page_, QString("Set saved to %1").arg(QDir::toNativeSeparators(path)));
}

void SetFiles::Open(QWidget* parent)
{
    const QString path = dialogs_.AskOpen(parent);
    if (path.isEmpty() || !QFileInfo::exists(path)) return;
    Open(path);
}

void SetFiles::Open(const QString& path)
{
    WaitCursor cursor;
    const QStringList missing = does_.Apply(ReadSetFile(path));
    Used(path);
    const QString name = QFileInfo(path).fileName();
    TellStatus(page_, missing.isEmpty()
                          ? QString("Set opened: %1").arg(name)
                          : QString("%1 names items the slot lists do not offer; their slots are left empty: %2.")
                                .arg(name, missing.join(", ")));
}

void SetFiles::Used(const QString& path)
{
    dialogs_.Used(path);
    if (does_.Used) does_.Used(path);
}

}  // namespace vantor
