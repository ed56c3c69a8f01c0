#pragma once
// The "&Weapons" page: the weapon list, filtered by hands, edge, magic and "Gives" rows.

#include "app/lists/ListPage.h"
#include "data/CodeTables.h"

class QCheckBox;
class QComboBox;

namespace vantor {

class ConditionStrip;

class WeaponsPage : public ListPage {
    Q_OBJECT
public:
    WeaponsPage(const PageContext& context, FindPosition& find, WornActions worn, QWidget* parent);
    void btnFWClick();
    void btnResetWClick();
    void ApplyClassPreset(const ClassPreset& preset);

private:
    QComboBox* cbxMag2;
    QCheckBox* chkNMW;
    QCheckBox* chk1h;
    QCheckBox* chk2h;
    QCheckBox* chkE;
    QCheckBox* chkB;
    ConditionStrip* conditions_;
};

}  // namespace vantor
