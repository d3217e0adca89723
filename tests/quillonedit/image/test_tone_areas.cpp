// Courtesy tone codes, their texts and keypad digits: every stored code goes round the texts and
// digits and back to itself, and any other text stores 0.
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/CourtesyTones.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace quillon;

TEST(CourtesyToneCodes, EveryCodeRoundTripsThroughTextAndDigit)
{
    for (int code = 0; code <= 255; ++code) {
        image().set(600, static_cast<std::uint8_t>(code));
        const QString hertz = CFreq(600), msec = CDly(600);
        EXPECT_EQ(hertz.isEmpty(), code > 8) << code;
        EXPECT_EQ(msec.isEmpty(), code > 9) << code;
        EXPECT_EQ(SaveTones(FreqOut(FreqIn(hertz))), code > 8 ? 0 : code) << code;
        EXPECT_EQ(SaveDelay(DelayOut(DelayIn(msec))), code > 9 ? 0 : code) << code;
    }
    resetImage();
    EXPECT_EQ((QStringList{CFreq(553), CFreq(0), FreqIn("1200"), FreqOut("8"), DelayIn("450"), DelayOut("9")}),
              (QStringList{"0", "0", "8", "1200", "9", "450"}));
    for (const QString odd : {"", " 500", "500 ", "0500", "1300", "9", "x"}) {
        EXPECT_EQ(SaveTones(odd), 0) << odd.toStdString();
        EXPECT_EQ(FreqIn(odd), "") << odd.toStdString();
    }
    for (const QString odd : {"", "10", "00", " 1", "500", "a"}) {
        EXPECT_EQ(SaveDelay(odd), 0) << odd.toStdString();
        EXPECT_EQ(DelayIn(odd), "") << odd.toStdString();
        EXPECT_EQ(FreqOut(odd), "") << odd.toStdString();
    }
    EXPECT_EQ(FreqOut("9"), "");
}
