#include "merrowedit/windows/OptionGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace merrow {

OptionGroup::OptionGroup(QObject* parent) : QObject(parent), group_(new QButtonGroup(this))
{
    group_->setExclusive(true);
}

void OptionGroup::addButton(QRadioButton* button)
{
    group_->addButton(button, count());
    buttons_.push_back(button);
}

QRadioButton* OptionGroup::button(int index) const
{
    return index >= 0 && index < count() ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

int OptionGroup::selected() const
{
    return group_->checkedId();
}

void OptionGroup::select(int index)
{
    if (QRadioButton* b = button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last checked button; lift that for a moment.
    group_->setExclusive(false);
    for (QRadioButton* b : buttons_)
        b->setChecked(false);
    group_->setExclusive(true);
}

void OptionGroup::setEnabled(bool enabled)
{
    for (QRadioButton* b : buttons_)
        b->setEnabled(enabled);
}

} // namespace merrow
