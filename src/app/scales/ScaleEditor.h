#pragma once
// The boxes of a scale: a weight and a cap for each feature, and a table of every ability by name
// with its weight and cap. The scales dialog and the best set dialog edit scales with it.

#include "equipment/Scale.h"

#include <QWidget>

#include <array>
#include <optional>

class QLineEdit;
class QTableWidget;

namespace vantor {

class ScaleEditor : public QWidget {
    Q_OBJECT
public:
    ScaleEditor(char decimalSep, QWidget* parent);

    // Shows the scale's weights and caps (its name is not shown here).
    void Show(const Scale& scale);
    // The scale the boxes hold, named name; nothing, with a message naming the box and what it
    // holds, when a weight or a cap does not read.
    std::optional<Scale> Read(const std::string& name, QString& error) const;
    // A built-in scale is shown, not edited.
    void SetReadOnly(bool readOnly);

private:
    void BuildFeatures();
    void BuildAbilities();

    char decimalSep_;
    std::array<QLineEdit*, kFeatureCount> weights_{};
    std::array<QLineEdit*, kFeatureCount> caps_{};
    QTableWidget* tblAbilityWeights;
};

}  // namespace vantor
