#include "platform/WholeFile.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // As both programs start: a write past a file-size limit fails instead of ending the process.
    platform::KeepRunningPastFileSizeLimit();
    // Widget tests never need a display.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
