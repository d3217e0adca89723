#pragma once
// A fixture for tests that read or write the data folder: a fresh temporary folder and the
// scripted services for each test, with the settings and the parameter data back at their
// defaults before and after it. Fixtures that need more call SetUp/TearDown from their own.
#include "merrowedit/data/DataFolder.h"
#include "merrowedit/data/ParameterFile.h"
#include "merrowedit/data/Settings.h"
#include "platform/testing/ScriptedServices.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The question a missing or damaged parameter file raises.
inline const QString kQuestion199 =
    "Error #199:  Missing or Corrupted Merrow Data File.\r\nCreate Default Data File?";

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        merrow::SetDataFolder(dir.path());
        merrow::resetSettings();
        merrow::resetParameterData();
    }
    void TearDown() override
    {
        merrow::SetDataFolder({});
        merrow::resetSettings();
        merrow::resetParameterData();
    }
    QTemporaryDir dir;
    platform::doubles::ScriptedServices services;
};
