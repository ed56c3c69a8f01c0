#pragma once
// "Compare sets...": two sets side by side, slot by slot (the slots that differ in bold), then
// their totals, the abilities either holds, each set's encumbrance category at the strength of
// the top panel and each set's score under the active scale. Either side is the set worn now or a
// set file.

#include "equipment/Compare.h"

#include <QDialog>

#include <functional>

class QLabel;
class QTreeWidget;

namespace vantor {

class EventGuard;
class IUserInterface;

class CompareSetsDialog : public QDialog {
    Q_OBJECT
public:
    // One side: its caption, its items (with the numbers of those the data do not hold) and inputs.
    struct Set {
        QString Caption;
        ChosenItems Chosen{};
        std::array<int32_t, kSlotCount> Missing{};
        SetInputs Inputs;
    };
    struct Page {
        Set Worn;
        const Scale* Active = nullptr;
        char DecimalSep = '.';
        EventGuard* Events = nullptr;  // a file that does not read is told as "Load Eq" tells it
        // The set file the player chooses (empty: cancelled), and its set; raises when it does not read.
        std::function<QString()> AskFile;
        std::function<Set(const QString& path)> ReadFile;
    };

    CompareSetsDialog(Page page, Set right, QWidget* parent);

private:
    // Replaces a side with the set file the player chooses.
    void OpenSide(bool left);
    void Show();

    Page page_;
    Set left_, right_;
    QTreeWidget* lstCompareSets;
    QLabel* lblCompareSets;
};

}  // namespace vantor
