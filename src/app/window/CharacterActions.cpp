#include "app/window/CharacterActions.h"

#include "app/common/Bytes.h"
#include "app/common/CharacterPanel.h"
#include "app/common/EventGuard.h"
#include "app/common/StatusLine.h"
#include "app/common/UserInterface.h"
#include "app/equipment/EquipmentPage.h"
#include "app/equipment/SetFileIO.h"
#include "app/scales/ScaleBook.h"
#include "app/session/CharacterBook.h"
#include "app/session/SettingsKeys.h"
#include "app/window/WindowSession.h"
#include "equipment/CharacterFile.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QStandardPaths>
#include <QStringListModel>

#include <algorithm>
#include <stdexcept>

namespace vantor {
namespace {

const QString kCharacterFiles = "Character files (*.kchar)|*.kchar";

}  // namespace

CharacterActions::CharacterActions(const Parts& parts) : QObject(parts.Window), p_(parts)
{
    p_.Panel->ShowCharacters(p_.Book->Names());
    p_.Panel->ShowCharacter(static_cast<int>(p_.Book->Active()));
    p_.Panel->SetCharacterChosen([this](int i) {
        if (i >= 0) SwitchTo(static_cast<size_t>(i));
    });
    // The names change on every add, rename and removal: the panel shows the active one again.
    p_.Events->Connect(p_.Book, &CharacterBook::Changed, this,
                       [this] { p_.Panel->ShowCharacter(static_cast<int>(p_.Book->Active())); });
}

void CharacterActions::SwitchTo(size_t i)
{
    CharacterBook& book = *p_.Book;
    if (i == book.Active() || i >= book.All().size()) return;
    const int leaving = book.Current().Id;
    p_.Session->Keep();
    book.Switch(i);
    p_.Scales->TakeKeptActive();
    Tell(p_.Session->RestoreCharacter());
    // The history of the set shown goes on; steps are recorded once the switch has settled.
    p_.Equipment->SwitchHistory(leaving, book.Current().Id);
    Save();
}

void CharacterActions::Offer(MainMenu::Actions& actions)
{
    actions.NewCharacter = [this] { NewClick(); };
    actions.RenameCharacter = [this] { RenameClick(); };
    actions.CopyCharacter = [this] { CopyClick(); };
    actions.DeleteCharacter = [this] { DeleteClick(); };
    actions.ExportCharacter = [this] { ExportClick(); };
    actions.ImportCharacter = [this] { ImportClick(); };
}

QString CharacterActions::AskName(const QString& question, const QString& start, std::optional<size_t> renaming)
{
    QString name = start;
    for (;;) {
        name = p_.Ui->AskText(p_.Window, question, name);
        if (name.isEmpty()) return {};
        const QString problem = p_.Book->NameProblem(name, renaming);
        if (problem.isEmpty()) return name.trimmed();
        p_.Ui->ShowMessage(p_.Window, problem);
    }
}

void CharacterActions::NewClick()
{
    const QString name = AskName("The new character's name:", QString());
    if (!name.isEmpty()) SwitchTo(p_.Book->Add(name));
}

void CharacterActions::RenameClick()
{
    CharacterBook& book = *p_.Book;
    const QString name = AskName("The character's new name:", book.Current().Name, book.Active());
    if (name.isEmpty()) return;
    book.Rename(book.Active(), name);
    Save();
}

void CharacterActions::CopyClick()
{
    CharacterBook& book = *p_.Book;
    const QString name =
        AskName(QString("A copy of \"%1\", named:").arg(book.Current().Name), book.Current().Name + " (copy)");
    if (name.isEmpty()) return;
    p_.Session->Keep();
    const size_t copy = book.Add(name, book.Current().Owned);
    book.CopySession(book.Active(), copy);
    SwitchTo(copy);
}

void CharacterActions::DeleteClick()
{
    CharacterBook& book = *p_.Book;
    if (book.All().size() < 2) {
        p_.Ui->ShowMessage(p_.Window, "The last character cannot be deleted: make another first.");
        return;
    }
    const CharacterBook::Character gone = book.Current();
    if (!p_.Ui->Confirm(p_.Window,
                        QString("Delete the character \"%1\", with its set and the items it owns?").arg(gone.Name)))
        return;
    SwitchTo(book.Active() == 0 ? 1 : 0);
    const auto at = std::find_if(book.All().begin(), book.All().end(),
                                 [&](const CharacterBook::Character& c) { return c.Id == gone.Id; });
    book.Remove(static_cast<size_t>(at - book.All().begin()));
    p_.Equipment->ForgetHistory(gone.Id);
    Save();
}

void CharacterActions::ExportClick()
{
    CharacterBook& book = *p_.Book;
    QString name = book.Current().Name;
    name.replace('/', '_').replace('\\', '_');
    QString path = AskFile(true, name + ".kchar");
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".kchar";
    CharacterFile character{ToBytes(book.Current().Name), {}, p_.Scales->ActiveScale(), book.Current().Owned};
    WriteWholeFile(path, CharacterFileText(character, p_.Equipment->SetText()));
    TellStatus(*p_.Window, QString("The character \"%1\" is written to %2.").arg(book.Current().Name, path));
}

void CharacterActions::ImportClick()
{
    const QString path = AskFile(false);
    if (path.isEmpty()) return;
    CharacterFile character;
    try {
        character = ReadCharacterFile(ReadWholeFile(path, kMaxCharacterFileBytes, "a character file"));
    } catch (const std::runtime_error& e) {
        p_.Ui->ShowMessage(p_.Window, QString("%1 is no character file, so nothing is changed. %2")
                                          .arg(QFileInfo(path).fileName(), FromBytes(e.what())));
        return;
    }
    CharacterBook& book = *p_.Book;
    QString name = FromBytes(character.Name);
    if (!book.NameProblem(name).isEmpty())
        name = AskName(QString("%1\nThe imported character's name:").arg(book.NameProblem(name)), name);
    if (name.isEmpty()) return;
    QString error;
    const std::string scale = p_.Scales->Adopt(character.ActiveScale, error);
    if (!error.isEmpty()) p_.Ui->ShowMessage(p_.Window, error);
    p_.Session->Keep();
    const size_t added = book.Add(name, std::move(character.Owned));
    std::string set;
    for (const std::string& line : character.SetLines) set += line + "\r\n";
    book.KeepSession(added, FromBytes(set), FromBytes(scale));
    SwitchTo(added);
}

QString CharacterActions::AskFile(bool save, const QString& name)
{
    const auto last = keys::SetFolder().Find(*p_.Settings);
    const QString folder =
        last && QFileInfo(*last).isDir() ? *last : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString start = name.isEmpty() ? folder : folder + '/' + name;
    QString path = save ? p_.Ui->SaveFileName(p_.Window, kCharacterFiles, start)
                        : p_.Ui->OpenFileName(p_.Window, kCharacterFiles, start);
    if (!path.isEmpty()) keys::SetFolder().Write(*p_.Settings, QFileInfo(path).absolutePath());
    return path;
}

void CharacterActions::Save()
{
    QString error;
    if (!p_.Book->Save(error)) p_.Ui->ShowMessage(p_.Window, error);
}

void CharacterActions::Tell(const QStringList& notices)
{
    if (!notices.isEmpty()) TellStatus(*p_.Window, notices.join(" "), notices.join("\n"));
}

}  // namespace vantor
