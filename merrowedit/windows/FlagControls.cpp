#include "merrowedit/windows/FlagControls.h"

#include "merrowedit/data/Settings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstring>
#include <stdexcept>
#include <string>

namespace merrow {

bool& FlagOf(const FlagControl& row)
{
    int section = 0;
    int bit = 0;
    if (!FindNvFlag(QString::fromLatin1(row.section), QString::fromLatin1(row.key), section, bit))
        throw std::logic_error(std::string("no NV flag ") + row.section + "/" + row.key);
    return NvFlag(section, bit);
}

QString ControlName(const QString& control, int index)
{
    return control + QLatin1Char('_') + QString::number(index);
}

bool IsCheckBox(const FlagControl& row)
{
    return std::strncmp(row.control, "chk", 3) == 0;
}

QAbstractButton* CreateFlagControl(const FlagControl& row, QWidget* parent)
{
    QAbstractButton* b = nullptr;
    if (IsCheckBox(row))
        b = new QCheckBox(QString::fromLatin1(row.caption), parent);
    else
        b = new QRadioButton(QString::fromLatin1(row.caption), parent);
    b->setObjectName(ControlName(QString::fromLatin1(row.control), row.index));
    return b;
}

FramedControls CreateFramedControls(const FlagControls& rows, QWidget* parent)
{
    FramedControls out;
    for (const FlagControl& row : rows) {
        QGroupBox* frame = nullptr;
        for (QGroupBox* f : out.frames)
            if (f->title() == QLatin1String(row.frame))
                frame = f;
        if (!frame) {
            frame = new QGroupBox(QString::fromLatin1(row.frame), parent);
            new QVBoxLayout(frame);
            out.frames.push_back(frame);
        }
        QAbstractButton* b = CreateFlagControl(row, frame);
        frame->layout()->addWidget(b);
        out.widgets.push_back(b);
    }
    return out;
}

QAbstractButton* FindControl(const FlagControls& rows, const std::vector<QAbstractButton*>& widgets,
                             const char* control, int index)
{
    for (std::size_t i = 0; i < rows.size() && i < widgets.size(); ++i)
        if (std::strcmp(rows[i].control, control) == 0 && rows[i].index == index)
            return widgets[i];
    return nullptr;
}

void LoadCheckBoxes(const FlagControls& rows, const std::vector<QAbstractButton*>& widgets)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (IsCheckBox(rows[i]))
            widgets.at(i)->setChecked(FlagOf(rows[i]));
}

void SaveCheckBoxes(const FlagControls& rows, const std::vector<QAbstractButton*>& widgets)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (IsCheckBox(rows[i]))
            FlagOf(rows[i]) = widgets.at(i)->isChecked();
}

int FirstTrueOption(const FlagControls& rows, const char* control)
{
    for (const FlagControl& row : rows)
        if (std::strcmp(row.control, control) == 0 && FlagOf(row))
            return row.index;
    return -1;
}

void SaveSelectedOption(const FlagControls& rows, const char* control, int selected)
{
    for (const FlagControl& row : rows)
        if (std::strcmp(row.control, control) == 0)
            FlagOf(row) = row.index == selected;
}

} // namespace merrow
