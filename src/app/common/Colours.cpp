#include "app/common/Colours.h"

#include <QLineEdit>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace vantor {
namespace {

double Luminance(const QColor& c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

bool IsDark(const QColor& base) { return Luminance(base) < 0.18; }

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColourPair CategoryColours(EncumbranceCategory category)
{
    switch (category) {
    case EncumbranceCategory::Heavy: return {Qt::black, QColor(255, 0, 0)};
    case EncumbranceCategory::Medium: return {Qt::black, QColor(255, 255, 0)};
    case EncumbranceCategory::Light: return {Qt::white, QColor(0, 128, 0)};
    default: return {Qt::black, Qt::white};
    }
}

void SetColours(QLineEdit& box, const ColourPair& colours)
{
    QPalette p = box.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, colours.Text);
        p.setColor(group, QPalette::Base, colours.Base);
    }
    box.setPalette(p);
}

QColor GoodColour(const QColor& base) { return IsDark(base) ? QColor(120, 230, 120) : QColor(0, 110, 0); }
QColor MutedColour(const QColor& base) { return IsDark(base) ? QColor(170, 170, 170) : QColor(100, 100, 100); }

}  // namespace vantor
