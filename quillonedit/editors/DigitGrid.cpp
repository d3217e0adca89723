#include "quillonedit/editors/DigitGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace quillon {

DigitGrid::DigitGrid(EditorDialog& owner, Fields fields, DigitGridOptions options)
    : QWidget(&owner), owner_(owner), fields_(std::move(fields)), options_(std::move(options))
{
    shown_ = fields_(0);
    const int rows = static_cast<int>(shown_.size());
    const int perColumn = std::max(1, options_.rowsPerColumn);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    // Each column of rows takes caption, field, [second label,] gap.
    const int stride = options_.extraColumn ? 4 : 3;
    const int top = options_.headings.isEmpty() ? 0 : 1;
    captionLabels.resize(static_cast<std::size_t>(rows));
    fieldLabels.resize(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        const auto k = static_cast<std::size_t>(r);
        const int row = top + r % perColumn;
        const int column = stride * (r / perColumn);
        if (r % perColumn == 0) {
            for (int h = 0; h < options_.headings.size() && h < stride - 2; ++h) {
                auto* heading = new QLabel(options_.headings[h], this);
                heading->setAlignment(Qt::AlignCenter);
                grid->addWidget(heading, 0, column + 1 + h);
                headingLabels.push_back(heading);
            }
        }
        AddFieldRow(this, grid, row, column, shown_[k].caption, options_.fieldWidth, captionLabels[k], fieldLabels[k],
                    [this, r] { onFieldClick ? onFieldClick(r) : Field_Click(r); });
        if (options_.extraColumn) {
            auto* extra = new ClickLabel(this);
            StyleFieldLabel(extra, platform::widgets::FieldLook::Editable, options_.extraWidth);
            connect(extra, &ClickLabel::clicked, this, [this, r] {
                if (onExtraClick)
                    onExtraClick(r);
            });
            grid->addWidget(extra, row, column + 2);
            extraLabels.push_back(extra);
        }
        if (column > 0)
            grid->setColumnMinimumWidth(column - 1, options_.columnGap);
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    if (options_.groupCaptions.size() > 1) {
        groupOptions.resize(static_cast<std::size_t>(options_.groupCaptions.size()));
        groupFrame = GroupOptionFrame(this, options_.groupTitle, options_.groupCaptions, groupOptions,
                                      [this](int g) { onGroupClick ? onGroupClick(g) : Group_Click(g); });
        layout->addSpacing(12);
        layout->addWidget(groupFrame, 0, Qt::AlignTop);
    }

    // The default write: the entry goes into the image at once.
    onEntry = [this](int row) { SaveRow(row); };
}

const DigitField& DigitGrid::field(int row) const
{
    return shown_.at(static_cast<std::size_t>(row));
}

void DigitGrid::Display()
{
    for (std::size_t k = 0; k < shown_.size() && k < fieldLabels.size(); ++k) {
        const DigitField& f = shown_[k];
        captionLabels[k]->setText(f.caption);
        fieldLabels[k]->setText(f.offset >= 0 && options_.format.read ? options_.format.read(f.offset, f.capacity)
                                                                      : QString());
        if (k < extraLabels.size() && options_.format.readExtra)
            extraLabels[k]->setText(f.offset >= 0 ? options_.format.readExtra(f.offset) : QString());
    }
}

void DigitGrid::SaveRow(int row)
{
    if (row < 0 || row >= rowCount() || !options_.format.write)
        return;
    const DigitField& f = field(row);
    const auto write = cancelled_ && options_.format.writeBack ? options_.format.writeBack : options_.format.write;
    if (f.offset >= 0)
        write(f.offset, f.capacity, fieldLabels[static_cast<std::size_t>(row)]->text());
}

void DigitGrid::Save()
{
    for (int r = 0; r < rowCount(); ++r)
        SaveRow(r);
}

void DigitGrid::Field_Click(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    ClickLabel* box = fieldLabels[static_cast<std::size_t>(row)];
    const DigitField f = field(row);   // a copy: the keypad's closing may redisplay the grid
    const KeyPadResult entry = owner_.GetKeyPadEntry(
        {.mode = f.keys, .maxLen = f.capacity, .heading = f.heading, .initial = box->text(), .check = f.check});
    if (!entry.accepted && !options_.writeOnCancel)
        return;   // Cancel changes nothing
    box->setText(entry.text);
    cancelled_ = !entry.accepted;
    if (onEntry)
        onEntry(row);
    cancelled_ = false;
}

void DigitGrid::Group_Click(int group)
{
    if (group == group_)
        return;
    ShowGroup(group);
}

void DigitGrid::ShowGroup(int group)
{
    const int groups = std::max<int>(1, static_cast<int>(options_.groupCaptions.size()));
    if (group < 0 || group >= groups)
        return;
    group_ = group;
    if (group < static_cast<int>(groupOptions.size()))
        groupOptions[static_cast<std::size_t>(group)]->setChecked(true);
    std::vector<DigitField> next = fields_(group);
    if (next.size() == shown_.size())
        shown_ = std::move(next);
    Display();
}

} // namespace quillon
