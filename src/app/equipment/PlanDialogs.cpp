#include "app/equipment/PlanDialogs.h"

#include "app/common/Bytes.h"
#include "app/common/CharacterPanel.h"
#include "app/equipment/SetFileIO.h"
#include "app/planner/BestSetDialog.h"
#include "app/planner/CompareSetsDialog.h"
#include "app/planner/HuntDialog.h"
#include "app/planner/UpgradePathDialog.h"
#include "app/scales/ScaleBook.h"
#include "app/session/CharacterBook.h"
#include "data/TypedNumber.h"
#include "equipment/SetFile.h"

#include <QFileInfo>
#include <QWidget>

#include <algorithm>
#include <stdexcept>

namespace vantor {

PlanDialogs::PlanDialogs(const PageContext& context, Page page, QWidget* parent)
    : context_(context), page_(std::move(page)), parent_(parent)
{}

std::optional<int32_t> PlanDialogs::Strength() const
{
    try {
        return GetNumber(ToBytes(context_.Character.StrengthText()));
    } catch (const std::runtime_error&) {
        return std::nullopt;  // the page then carries nothing
    }
}

int32_t PlanDialogs::MiscEncumbrance() const
{
    const SetInputs in = page_.Inputs();
    return ReadStartValues(in.MiscEnc, in.MiscAC).Encumbrance;
}

std::function<bool(const TItem&)> PlanDialogs::Owned() const
{
    // A copy: the searches run on another thread.
    return [owned = context_.Characters.Current().Owned](const TItem& item) {
        return std::binary_search(owned.begin(), owned.end(), item.Number);
    };
}

void PlanDialogs::Lend(PlanInputs& page) const
{
    page.Lists = page_.Lists;
    page.DecimalSep = context_.DecimalSep;
    page.Ui = &context_.Ui;
    page.Events = &context_.Events;
    page.Scales = &context_.Scales;
    page.Wear = page_.Wear;
    page.Owned = Owned();
}

void PlanDialogs::Lend(CategoryInputs& page) const
{
    Lend(static_cast<PlanInputs&>(page));
    page.Strength = Strength();
    page.MiscEncumbrance = MiscEncumbrance();
}

void PlanDialogs::OpenBestSet()
{
    BestSetDialog::Page page;
    Lend(page);
    page.Picks = page_.Picks();
    auto* dialog = new BestSetDialog(std::move(page), parent_->window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void PlanDialogs::OpenUpgradePath()
{
    UpgradePathDialog::Page page;
    const Profile profile = context_.Character.CurrentProfile();
    page.Plan.Items = &context_.Data.Items;
    page.Plan.ClassCode = profile.ClassCode;
    page.Plan.Good = profile.Good;
    page.Plan.Neutral = profile.Neutral;
    page.Plan.Evil = profile.Evil;
    page.Plan.Strength = Strength();
    page.Plan.MiscEncumbrance = MiscEncumbrance();
    if (!QString::fromStdString(profile.LevelText).trimmed().isEmpty()) {
        try {
            page.Level = profile.Level();
        } catch (const std::runtime_error&) {}  // the dialog then offers levels 1 to 75
    }
    Lend(page);
    page.Worn = page_.Chosen();
    auto* dialog = new UpgradePathDialog(std::move(page), parent_->window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void PlanDialogs::OpenHunt()
{
    HuntDialog::Page page;
    Lend(page);
    auto* dialog = new HuntDialog(std::move(page), parent_->window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    dialog->Search();
}

void PlanDialogs::OpenCompareSets()
{
    CompareSetsDialog::Page page;
    page.Worn = {"Worn now", page_.Chosen(), {}, page_.Inputs()};
    page.Active = &context_.Scales.ActiveScale();
    page.DecimalSep = context_.DecimalSep;
    page.Events = &context_.Events;
    page.AskFile = page_.AskSetFile;
    const std::string strength = page_.Inputs().Strength;
    page.ReadFile = [items = &context_.Data.Items, strength](const QString& path) {
        const FileSet file = ReadFileSet(ReadSetFile(path), *items);
        return CompareSetsDialog::Set{
            QFileInfo(path).fileName(), file.Chosen, file.Missing, {file.MiscEnc, file.MiscAC, strength}};
    };
    const QString path = page.AskFile();
    if (path.isEmpty()) return;
    CompareSetsDialog::Set right = page.ReadFile(path);
    auto* dialog = new CompareSetsDialog(std::move(page), std::move(right), parent_->window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

}  // namespace vantor
