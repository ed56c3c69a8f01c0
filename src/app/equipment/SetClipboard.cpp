#include "app/equipment/SetClipboard.h"

#include "app/common/Bytes.h"
#include "app/common/StatusLine.h"
#include "app/common/UserInterface.h"
#include "app/equipment/SlotPanel.h"
#include "equipment/Paste.h"

#include <QComboBox>
#include <QStringList>

namespace vantor {

void SetClipboard::Copy(QWidget* parent)
{
    const SlotPanel::Picks picks = slots_.Current();
    ui_.SetClipboardText(FromBytes(CopySetText(slots_.Lists(), picks)));
    QStringList differ;
    for (const Slot s : SlotsNotPastedBack(slots_.Lists(), picks)) differ << SlotTable()[s].Caption;
    if (!differ.isEmpty())
        ui_.ShowMessage(parent, "The set is copied. Pasted back, these slots would get another item of a matching "
                                "name: " +
                                    differ.join(", ") + ".");
}

void SetClipboard::Paste(QWidget* parent)
{
    if (!ui_.ClipboardHasText()) {
        ui_.ShowMessage(parent, "There is no text on the Clipboard");
        return;
    }
    const PasteResult pasted = PasteEquipment(ToBytes(ui_.ClipboardText()), slots_.Lists());
    if (pasted.Status == PasteStatus::NotEquipment) ui_.ShowMessage(parent, "Copy a valid KR players equipment first!");
    for (int s = 0; s < kSlotCount; ++s)
        if (const auto& pick = pasted.Picks[static_cast<size_t>(s)])
            slots_.Box(static_cast<Slot>(s))->setCurrentIndex(*pick);
    QStringList unplaced;
    for (const std::string& line : pasted.Unplaced) unplaced << "\"" + FromBytes(line) + "\"";
    if (!unplaced.isEmpty()) TellStatus(*parent, "Paste Eq placed no item for: " + unplaced.join(", "));
}

}  // namespace vantor
