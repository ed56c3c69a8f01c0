#include "app/scales/ScalePicker.h"

#include "app/common/EventGuard.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"
#include "app/scales/ScaleBook.h"
#include "app/scales/ScalesDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringListModel>

namespace vantor {

ScalePicker::ScalePicker(ScaleBook& book, EventGuard& events, IUserInterface& ui, char decimalSep, QWidget* parent)
    : QWidget(parent), book_(book), events_(events), ui_(ui)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    cbxScale = MakeModelBox(this, "cbxScale", book.Names(), 14);
    cbxScale->setToolTip("What you value: the scale the Gain columns, Compare with worn and Best set weigh by.");
    cbxScale->setCurrentIndex(static_cast<int>(book.Active()));
    QPushButton* btnScales = MakeButton(this, "btnScales", "Scales...", "Add, copy, edit and share scales.");
    row->addWidget(MakeBuddyLabel(this, "", "Sca&le", cbxScale));
    row->addWidget(cbxScale, 1);
    row->addWidget(btnScales);
    events_.Connect(cbxScale, &QComboBox::activated, this, [this](int i) {
        QString error;
        if (!book_.SetActive(static_cast<size_t>(i), error)) ui_.ShowMessage(this, error);
    });
    // The connection ends with the picker: a picker in a dialog leaves nothing behind.
    events_.Connect(&book, &ScaleBook::Changed, this,
                    [this] { cbxScale->setCurrentIndex(static_cast<int>(book_.Active())); });
    events_.Connect(btnScales, &QPushButton::clicked, this,
                    [this, decimalSep] { ScalesDialog::Open(book_, events_, ui_, decimalSep, this); });
}

}  // namespace vantor
