#include "app/common/EventGuard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>

namespace vantor {

void EventGuard::Run(const std::function<void()>& handler, bool settles)
{
    ++depth_;
    std::exception_ptr error;
    try {
        handler();
        if (depth_ == 1 && pending_) std::rethrow_exception(pending_);
    } catch (...) {
        error = std::current_exception();
    }
    --depth_;
    if (error && depth_ > 0) {
        pending_ = error;  // the outer handler's writer raises it again
        return;
    }
    if (error) {
        pending_ = nullptr;
        if (show_) show_(error);
    }
    if (depth_ == 0 && settles)
        for (const auto& settled : settled_) settled();
}

void EventGuard::RaisePending()
{
    if (!pending_) return;
    std::exception_ptr p = pending_;
    pending_ = nullptr;
    std::rethrow_exception(p);
}

void EventGuard::SetText(QLineEdit& box, const QString& text)
{
    box.setText(text);
    RaisePending();
}

void EventGuard::SetChecked(QAbstractButton& box, bool checked)
{
    box.setChecked(checked);
    RaisePending();
}

void EventGuard::KeepOneTicked(QAbstractButton& clicked, std::initializer_list<QAbstractButton*> group)
{
    if (!clicked.isChecked()) return;
    for (QAbstractButton* box : group)
        if (box != &clicked) SetChecked(*box, false);
}

void EventGuard::OnClick(QAbstractButton* button, std::function<void()> handler)
{
    Connect(button, &QAbstractButton::clicked, button, std::move(handler));
}

void EventGuard::OnToggle(QAbstractButton* box, std::function<void()> handler)
{
    Connect(box, &QAbstractButton::toggled, box, std::move(handler));
}

void EventGuard::OnTextChange(QLineEdit* box, std::function<void()> handler)
{
    Connect(box, &QLineEdit::textChanged, box, std::move(handler));
}

void EventGuard::OnPick(QComboBox* box, std::function<void()> handler)
{
    Connect(box, &QComboBox::activated, box, std::move(handler));
}

void EventGuard::OnColumnClick(QHeaderView* header, std::function<void(int)> handler)
{
    QObject::connect(header, &QHeaderView::sectionClicked, header,
                     [this, handler = std::move(handler)](int column) { Run([&] { handler(column); }); });
}

void EventGuard::OnSelectRow(QItemSelectionModel* selection, std::function<void(int)> handler)
{
    QObject::connect(
        selection, &QItemSelectionModel::selectionChanged, selection,
        [this, handler = std::move(handler)](const QItemSelection& selected, const QItemSelection& deselected) {
            const QModelIndexList changed = (selected.isEmpty() ? deselected : selected).indexes();
            if (changed.isEmpty()) return;
            const int row = changed.first().row();
            Run([&] { handler(row); });
        });
}

}  // namespace vantor
