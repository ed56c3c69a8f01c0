// The Equipment page's dialogs: the best set and the upgrade path, and what they take from the page.
#include "app/common/Bytes.h"
#include "app/common/CharacterPanel.h"
#include "app/common/EventGuard.h"
#include "app/equipment/EquipmentPage.h"
#include "app/equipment/EquipmentReadouts.h"
#include "app/equipment/SetFileIO.h"
#include "app/planner/BestSetDialog.h"
#include "app/planner/CompareSetsDialog.h"
#include "app/planner/UpgradePathDialog.h"
#include "app/scales/ScaleBook.h"
#include "data/TypedNumber.h"
#include "equipment/Encumbrance.h"
#include "equipment/SetFile.h"

#include <QFileInfo>

#include <stdexcept>

namespace vantor {

std::optional<int32_t> EquipmentPage::Strength() const
{
    try {
        return GetNumber(ToBytes(character_.StrengthText()));
    } catch (const std::runtime_error&) {
        return std::nullopt;  // the page then carries nothing
    }
}

int32_t EquipmentPage::MiscEncumbrance() const
{
    const SetInputs in = Inputs();
    return ReadStartValues(in.MiscEnc, in.MiscAC).Encumbrance;
}

std::function<void(const SlotPanel::Picks&)> EquipmentPage::Wear()
{
    return [this](const SlotPanel::Picks& picks) { events_.Run([this, &picks] { ChooseSet(picks); }); };
}

void EquipmentPage::btnBestSetClick()
{
    BestSetDialog::Page page;
    page.Lists = &slots_->Lists();
    page.Picks = Picks();
    page.Strength = Strength();
    page.MiscEncumbrance = MiscEncumbrance();
    page.DecimalSep = decimalSep_;
    page.Ui = &ui_;
    page.Events = &events_;
    page.Scales = &scales_;
    page.Wear = Wear();
    auto* dialog = new BestSetDialog(std::move(page), window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void EquipmentPage::btnUpgradePathClick()
{
    UpgradePathDialog::Page page;
    const Profile profile = character_.CurrentProfile();
    page.Plan.Items = &data_.Items;
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
    page.Lists = &slots_->Lists();
    page.Worn = Chosen();
    page.DecimalSep = decimalSep_;
    page.Ui = &ui_;
    page.Events = &events_;
    page.Scales = &scales_;
    page.Wear = Wear();
    auto* dialog = new UpgradePathDialog(std::move(page), window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void EquipmentPage::btnCompareSetsClick()
{
    CompareSetsDialog::Page page;
    page.Worn = {"Worn now", Chosen(), {}, Inputs()};
    page.Active = &scales_.ActiveScale();
    page.DecimalSep = decimalSep_;
    page.Events = &events_;
    page.AskFile = [this] {
        const QString path = AskSetFile(false);
        return QFileInfo::exists(path) ? path : QString();
    };
    const std::string strength = Inputs().Strength;
    page.ReadFile = [this, strength](const QString& path) {
        const FileSet file = ReadFileSet(ReadSetFile(path), data_.Items);
        return CompareSetsDialog::Set{
            QFileInfo(path).fileName(), file.Chosen, file.Missing, {file.MiscEnc, file.MiscAC, strength}};
    };
    const QString path = page.AskFile();
    if (path.isEmpty()) return;
    CompareSetsDialog::Set right = page.ReadFile(path);  // raises, as "Load Eq" does, for a file that does not read
    auto* dialog = new CompareSetsDialog(std::move(page), std::move(right), window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

}  // namespace vantor
