#include "app/scales/ScalesDialog.h"

#include "app/common/Bytes.h"
#include "app/common/EventGuard.h"
#include "app/common/StatusLine.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"
#include "app/scales/ScaleBook.h"
#include "app/scales/ScaleEditor.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantor {

void ScalesDialog::Open(ScaleBook& book, EventGuard& events, IUserInterface& ui, char decimalSep, QWidget* parent)
{
    auto* dialog = new ScalesDialog(book, events, ui, decimalSep, parent->window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

ScalesDialog::ScalesDialog(ScaleBook& book, EventGuard& events, IUserInterface& ui, char decimalSep, QWidget* parent)
    : QDialog(parent), book_(book), events_(events), ui_(ui), scales_(book.All()), activeName_(book.ActiveScale().Name)
{
    setObjectName("dlgScales");
    setWindowTitle("Scales");
    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);
    lstScales = new QListWidget(this);
    lstScales->setObjectName("lstScales");
    lstScales->setToolTip("Your scales, and the built-in ones to copy.");
    body->addWidget(lstScales, 1);
    auto* right = new QVBoxLayout;
    lblScaleName = MakeLabel(this, "lblScaleName", QString());
    editor_ = new ScaleEditor(decimalSep, this);
    right->addWidget(lblScaleName);
    right->addWidget(editor_, 1);
    body->addLayout(right, 3);
    BuildButtons();
    Refresh(static_cast<int>(book.Active()));
    events_.Connect(lstScales, &QListWidget::currentRowChanged, this, [this](int row) { Picked(row); });
    resize(760, 560);
}

void ScalesDialog::BuildButtons()
{
    auto* row = new QHBoxLayout;
    const auto button = [&](const char* name, const char* caption, const char* hint, auto handler) {
        QPushButton* b = MakeButton(this, name, caption, hint);
        row->addWidget(b);
        events_.Connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    button("btnScaleAdd", "&Add...", "A new scale of your own, weighing nothing yet.", [this] { AddClicked(false); });
    button("btnScaleCopy", "Co&py...", "A scale of your own with the weights of the one shown.",
           [this] { AddClicked(true); });
    btnScaleRename =
        button("btnScaleRename", "Re&name...", "Give the scale shown another name.", [this] { RenameClicked(); });
    btnScaleDelete = button("btnScaleDelete", "De&lete", "Delete the scale shown.", [this] { DeleteClicked(); });
    button("btnScaleCopyText", "Cop&y as text", "The scale shown as one line to post in the game's chat.",
           [this] { CopyTextClicked(); });
    button("btnScalePaste", "Pa&ste", "A scale from a line copied from the game's chat.", [this] { PasteClicked(); });
    row->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("btnScalesOk");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnScalesCancel");
    events_.Connect(buttons, &QDialogButtonBox::accepted, this, [this] { OkClicked(); });
    events_.Connect(buttons, &QDialogButtonBox::rejected, this, [this] { reject(); });
    layout()->addWidget(buttons);
}

bool ScalesDialog::BuiltIn(int i) const { return i < static_cast<int>(BuiltInScales().size()); }

void ScalesDialog::Refresh(int select)
{
    const QSignalBlocker quiet(lstScales);
    lstScales->clear();
    for (size_t i = 0; i < scales_.size(); ++i)
        lstScales->addItem(FromBytes(scales_[i].Name) + (BuiltIn(static_cast<int>(i)) ? "  (built in)" : ""));
    lstScales->setCurrentRow(select);
    ShowScale(select);
}

void ScalesDialog::ShowScale(int i)
{
    shown_ = i;
    const bool builtIn = BuiltIn(i);
    lblScaleName->setText(FromBytes(scales_[static_cast<size_t>(i)].Name) +
                          (builtIn ? "  (built in: copy it to change it)" : ""));
    editor_->Show(scales_[static_cast<size_t>(i)]);
    editor_->SetReadOnly(builtIn);
    btnScaleRename->setEnabled(!builtIn);
    btnScaleDelete->setEnabled(!builtIn);
}

bool ScalesDialog::Commit()
{
    if (BuiltIn(shown_)) return true;
    QString error;
    Scale& shown = scales_[static_cast<size_t>(shown_)];
    std::optional<Scale> read = editor_->Read(shown.Name, error);
    if (read) {
        if (const std::string problem = ScaleProblem(*read); !problem.empty()) {
            error = FromBytes("The scale \"" + shown.Name + "\": " + problem);
            read.reset();
        }
    }
    if (!read) {
        ui_.ShowMessage(this, error);
        return false;
    }
    shown = *read;
    return true;
}

void ScalesDialog::Picked(int row)
{
    if (row < 0 || row == shown_) return;
    if (!Commit()) {
        const QSignalBlocker quiet(lstScales);
        lstScales->setCurrentRow(shown_);
        return;
    }
    ShowScale(row);
}

std::string ScalesDialog::AskName(const QString& question, const std::string& now, int except)
{
    const QString typed = ui_.AskText(this, question, FromBytes(now)).trimmed();
    if (typed.isEmpty()) return {};
    std::string name = ToBytes(typed);
    for (size_t i = 0; i < scales_.size(); ++i)
        if (static_cast<int>(i) != except && scales_[i].Name == name) {
            ui_.ShowMessage(this, QString("A scale named \"%1\" is there already: choose another name.").arg(typed));
            return {};
        }
    Scale named;
    named.Name = name;
    if (const std::string problem = ScaleProblem(named); !problem.empty()) {
        ui_.ShowMessage(this, FromBytes("The name \"" + name + "\" will not do: " + problem));
        return {};
    }
    return name;
}

void ScalesDialog::AddClicked(bool copy)
{
    if (!Commit()) return;
    const Scale& shown = scales_[static_cast<size_t>(shown_)];
    const std::string name = AskName("Name the new scale:", copy ? "Copy of " + shown.Name : std::string(), -1);
    if (name.empty()) return;
    Scale added = copy ? shown : Scale{};
    added.Name = name;
    scales_.push_back(added);
    Refresh(static_cast<int>(scales_.size()) - 1);
}

void ScalesDialog::RenameClicked()
{
    if (BuiltIn(shown_) || !Commit()) return;
    Scale& shown = scales_[static_cast<size_t>(shown_)];
    const std::string name = AskName("Rename the scale:", shown.Name, shown_);
    if (name.empty()) return;
    if (shown.Name == activeName_) activeName_ = name;
    shown.Name = name;
    Refresh(shown_);
}

void ScalesDialog::DeleteClicked()
{
    if (BuiltIn(shown_)) return;
    if (!ui_.Confirm(this, FromBytes("Delete the scale \"" + scales_[static_cast<size_t>(shown_)].Name + "\"?")))
        return;
    scales_.erase(scales_.begin() + shown_);
    Refresh(shown_ - 1);
}

void ScalesDialog::CopyTextClicked()
{
    if (!Commit()) return;
    ui_.SetClipboardText(FromBytes(ScaleText(scales_[static_cast<size_t>(shown_)])));
    TellStatus(*this, "Scale copied: " + FromBytes(scales_[static_cast<size_t>(shown_)].Name));
}

void ScalesDialog::PasteClicked()
{
    if (!Commit()) return;
    std::string error;
    std::optional<Scale> pasted = ReadScaleText(ToBytes(ui_.ClipboardText()), error);
    if (!pasted) {
        ui_.ShowMessage(this, FromBytes(error));
        return;
    }
    for (const Scale& s : scales_)
        if (s.Name == pasted->Name) {
            ui_.ShowMessage(this, FromBytes("A scale named \"" + s.Name + "\" is there already: rename it first."));
            return;
        }
    scales_.push_back(*pasted);
    Refresh(static_cast<int>(scales_.size()) - 1);
    TellStatus(*this, "Scale pasted: " + FromBytes(pasted->Name));
}

void ScalesDialog::OkClicked()
{
    if (!Commit()) return;
    std::vector<Scale> players(scales_.begin() + static_cast<ptrdiff_t>(BuiltInScales().size()), scales_.end());
    QString error;
    if (!book_.SetPlayerScales(std::move(players), activeName_, error)) ui_.ShowMessage(this, error);
    accept();
}

}  // namespace vantor
