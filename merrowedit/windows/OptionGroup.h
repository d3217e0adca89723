#pragma once
// A set of alternative option buttons. Unlike a plain exclusive QButtonGroup it can also show no
// selection, which the setting windows need when none of a group's flags is set.
#include <QObject>

#include <vector>

class QButtonGroup;
class QRadioButton;

namespace merrow {

class OptionGroup : public QObject {
    Q_OBJECT

public:
    explicit OptionGroup(QObject* parent = nullptr);

    // Adds the next button; its index is the number of buttons added before it.
    void addButton(QRadioButton* button);
    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* button(int index) const;

    // Index of the selected button, -1 when none is.
    int selected() const;
    // Selects button `index`; any index outside the group clears the selection.
    void select(int index);
    void setEnabled(bool enabled);

private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
};

} // namespace merrow
