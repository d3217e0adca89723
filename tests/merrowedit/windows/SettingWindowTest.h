#pragma once
// Shared by the setting window tests: settings back at their start values around each test and
// the parameter block (upload bytes 0..31) they produce.
#include "merrowedit/data/Settings.h"
#include "merrowedit/data/UploadBlock.h"
#include "merrowedit/windows/FlagControls.h"
#include "platform/testing/ScriptedServices.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QStringList>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

using ParamBlock = std::array<std::uint8_t, 32>;

// Where the flag bytes of NV 0x8007.. sit in the parameter block.
constexpr int kNV8007 = 0, kNV8008 = 1, kNV8009 = 2, kNV800B = 4, kNV800C = 5, kNV800F = 8;

class SettingWindowTest : public ::testing::Test {
protected:
    void SetUp() override { merrow::resetSettings(); }
    void TearDown() override
    {
        merrow::resetSettings();
        merrow::resetNvImage();
    }

    // Bytes 0..31 of the upload block as the current globals build them.
    static ParamBlock block()
    {
        merrow::resetNvImage();
        merrow::BuildNvSettings();
        ParamBlock b{};
        std::copy(merrow::NvImage().begin(), merrow::NvImage().begin() + 32, b.begin());
        return b;
    }
    // Every flag of NV section 0..8 (0x8007 + section) from one byte.
    static void setNvByte(int section, std::uint8_t byte)
    {
        for (int n = 0; n < 8; ++n)
            merrow::NvFlag(section, n) = (byte >> n) & 1;
    }
    static QAbstractButton* button(const QWidget& w, const char* control, int index)
    {
        return w.findChild<QAbstractButton*>(merrow::ControlName(QString::fromLatin1(control), index));
    }
    static QStringList frameTitles(const QWidget& w)
    {
        QStringList titles;
        for (const QGroupBox* g : w.findChildren<QGroupBox*>())
            titles << g->title();
        return titles;
    }
    static std::vector<std::pair<QString, int>> controlsOf(const merrow::FlagControls& rows)
    {
        std::vector<std::pair<QString, int>> out;
        for (const merrow::FlagControl& r : rows)
            out.emplace_back(QString::fromLatin1(r.control), r.index);
        return out;
    }

    platform::doubles::ScriptedServices services;
};

// One control of a window: its caption and the upload byte and bit that checking it alone sets.
struct GoldenControl {
    const char* control;
    int index;
    const char* caption;
    int byte;
    std::uint8_t mask;
};

inline std::vector<std::pair<QString, int>> goldenControlsOf(const std::vector<GoldenControl>& rows)
{
    std::vector<std::pair<QString, int>> out;
    for (const GoldenControl& r : rows)
        out.emplace_back(QString::fromLatin1(r.control), r.index);
    return out;
}
