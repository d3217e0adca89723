#pragma once
// The controller's vocabulary as its word list is written down: a group line per
// hundred, "number "text"" pairs. Kept apart from the table code on purpose, so
// the tests compare the table with a second copy.

#include "tests/support/QStringPrinter.h"

#include <QRegularExpression>
#include <QString>

#include <map>
#include <ostream>


namespace quillon::testdata {

inline const char* const kVocabularyListing = R"(000s (28): 000 "0", 001 "1", 002 "2", 003 "3", 004 "4", 005 "5", 006 "6", 007 "7", 008 "8", 009 "9", 010 "10", 011 "11", 012 "12", 013 "13", 014 "14", 015 "15", 016 "16", 017 "17", 018 "18", 019 "19", 020 "20", 030 "30", 040 "40", 050 "50", 060 "60", 070 "70", 080 "80", 090 "90".
100s (86): 100 "[Time_of_day]", 101 "[Day_of_week]", 102 "[Day_of_month]", 103 "[Salutations]", 104 "[Indoor Temp]", 105 "[Outdoor Temp]", 106 "[Wind Speed]", 107 "[Hi/Lo Temp]", 108 "[Rain Rate]", 111 "[UF_1_OFF]", 112 "[UF_1_ON]", 113 "[UF_1_MON]", 114 "[UF_2_OFF]", 115 "[UF_2_ON]", 116 "[UF_2_MON]", 117 "[UF_3_OFF]", 118 "[UF_3_ON]", 119 "[UF_3_MON]", 120 "[UF_4_OFF]", 121 "[UF_4_ON]", 122 "[UF_4_MON]", 123 "[UF_5_OFF]", 124 "[UF_5_ON]", 125 "[UF_5_MON]", 126 "[UF_6_OFF]", 127 "[UF_6_ON]", 128 "[UF_6_MON]", 129 "[UF_7_OFF]", 130 "[UF_7_ON]", 131 "[UF_7_MON]", 132 "[UF_8_OFF]", 133 "[UF_8_ON]", 134 "[UF_8_MON]", 135 "[500ms_Delay]", 140 "[DVR_1]", 141 "[DVR_2]", 142 "[DVR_3]", 143 "[DVR_4]", 144 "[DVR_5]", 145 "[DVR_6]", 146 "[DVR_7]", 147 "[DVR_8]", 148 "[DVR_9]", 149 "[DVR_10]", 150 "[DVR_11]", 151 "[DVR_12]", 152 "[DVR_13]", 153 "[DVR_14]", 154 "[DVR_15]", 155 "[DVR_16]", 160 "[Tone_0]", 161 "[Tone_1]", 162 "[Tone_2]", 163 "[Tone_3]", 164 "[Tone_4]", 165 "[Tone_5]", 166 "[Tone_6]", 167 "[Tone_7]", 168 "[Tone_8]", 169 "[Tone_9]", 170 "[CW_ID_1]", 171 "[CW_ID_2]", 172 "[Macro_2]", 173 "[Macro_3]", 174 "[Macro_4]", 175 "[Macro_5]", 176 "[Macro_6]", 177 "[Macro_7]", 178 "[Macro_8]", 179 "[Macro_9]", 180 "[DTMF_0]", 181 "[DTMF_1]", 182 "[DTMF_2]", 183 "[DTMF_3]", 184 "[DTMF_4]", 185 "[DTMF_5]", 186 "[DTMF_6]", 187 "[DTMF_7]", 188 "[DTMF_8]", 189 "[DTMF_9]", 190 "[DTMF_*]", 191 "[DTMF_#]", 192 "[DTMF_A]", 193 "[DTMF_B]", 194 "[DTMF_C]", 195 "[DTMF_D]".
200s (79): 210 "A", 211 "A.M.", 212 "Abort", 213 "About", 214 "Above", 215 "Acknowledge", 216 "Action", 217 "Adjust", 218 "Advise", 219 "Aerial", 220 "Affirmative", 221 "Again", 222 "Air", 223 "Alert", 224 "All", 225 "Alpha", 226 "Alternate", 227 "Altitude", 228 "Amateur", 229 "Amps", 230 "An", 231 "And", 232 "Answer", 233 "April", 234 "Are", 235 "Area", 236 "As", 237 "Assistance", 238 "Association", 239 "At", 240 "Attempt", 241 "Attention", 242 "August", 243 "Automatic", 244 "Autopatch", 245 "Auxiliary", 246 "Avenue", 247 "Average", 250 "B", 251 "Back", 252 "Band", 253 "Base", 254 "Battery", 255 "Below", 256 "Between", 257 "Bravo", 258 "Break", 259 "Button", 260 "By", 270 "C", 271 "Calibrate", 272 "Call", 273 "Calling", 274 "Cancel", 275 "Quill", 276 "Caution", 277 "Center", 278 "Celsius", 279 "Change", 280 "Charlie", 281 "Check", 282 "Circuit", 283 "Clear", 284 "Clock", 285 "Closed", 286 "Club", 287 "Code", 288 "Come", 289 "Complete", 290 "Completed", 291 "Computer", 292 "Condition", 293 "Congratulations", 294 "Connect", 295 "Contact", 296 "Control", 297 "Current", 298 "Cycle", 299 "Calm".
300s (53): 310 "D", 311 "Danger", 312 "Data", 313 "Date", 314 "Day", 315 "Days", 316 "December", 317 "Decrease", 318 "Degree", 319 "Delay", 320 "Delta", 321 "Department", 322 "Direction", 323 "Do", 324 "Down", 325 "Drizzle", 326 "Due", 327 "Dynamic", 340 "E", 341 "East", 342 "Echo", 343 "Ed_Sufffix", 344 "Emergency", 345 "End", 346 "Enter", 347 "Equals", 348 "Error", 349 "Evacuation", 350 "Exit", 351 "Expect", 370 "F", 371 "Fail", 372 "Failure", 373 "Fahrenheit", 374 "Fast", 375 "February", 376 "Feet", 378 "File", 379 "Filed", 380 "Final", 381 "Fire", 382 "Flag", 383 "Fog", 384 "For", 385 "Foxhunt", 386 "Foxtrot", 387 "Freezing", 388 "Frequency", 389 "Friday", 390 "From", 391 "Front", 392 "Full", 393 "Fall".
400s (41): 410 "G", 411 "Gear", 412 "Get", 413 "Go", 414 "Golf", 415 "Good", 416 "Green", 417 "Ground", 440 "H", 441 "Hail", 442 "Half", 443 "Ham", 444 "Hamfest", 445 "Have", 446 "Hazardous", 447 "Heavy", 448 "Henry", 449 "Hertz", 450 "High", 451 "Hold", 452 "Home", 453 "Hotel", 454 "Hour", 455 "Hours", 456 "Hundred", 457 "Heat", 470 "I", 471 "Ice", 472 "Icing", 473 "Identify", 474 "Immediately", 475 "In", 476 "Increase", 477 "India", 478 "Information", 479 "Ing_Suffix", 480 "Inputs", 481 "Intruder", 482 "Is", 483 "It", 486 "Index".
500s (50): 500 "J", 501 "January", 502 "Juliet", 503 "July", 504 "June", 530 "K", 531 "Key", 532 "Keypad", 533 "Kilo", 534 "Knots", 550 "L", 551 "Land", 552 "Last", 553 "Late", 554 "Left", 555 "Less_than", 556 "Let", 557 "Level", 558 "Light", 559 "Lima", 560 "Line", 561 "Link", 562 "List", 563 "Load", 564 "Lock", 565 "Lockout", 566 "Long", 567 "Look", 568 "Low", 569 "Lower", 580 "M", 581 "Machine", 582 "Macro", 583 "Make", 584 "Malfunction", 585 "Manual", 586 "Many", 587 "March", 588 "May", 589 "Mayday", 590 "Me", 591 "Measure", 592 "Measured", 593 "Meeting", 594 "Mega", 595 "Message", 596 "Meter", 597 "Meters", 598 "Micro", 599 "Mike".
600s (64): 600 "Miles", 601 "Milli", 602 "Million", 603 "Minus", 604 "Minute", 605 "Minutes", 606 "Mobile", 607 "Modified", 608 "Monday", 609 "Month", 610 "More_than", 611 "Move", 612 "Much", 620 "N", 621 "Near", 622 "Negative", 623 "Net", 624 "New", 625 "Next", 626 "Night", 627 "No", 628 "Normal", 629 "North", 630 "Not", 631 "November", 632 "Now", 633 "Number", 650 "O", 651 "O'Clock", 652 "October", 653 "Of", 654 "Off", 655 "Ohms", 656 "On", 657 "Open", 658 "Operation", 659 "Operator", 660 "Or", 661 "Organization", 662 "Oscar", 663 "Other", 664 "Out", 665 "Over", 666 "Overcast", 680 "P", 681 "P.M.", 682 "Papa", 683 "Pass", 684 "Patch", 685 "Per", 686 "Phone", 687 "Pico", 688 "Plan", 689 "Please", 690 "Plus", 691 "Point", 692 "Police", 693 "Position", 694 "Pound", 695 "Power", 696 "Practice", 697 "Preset", 698 "Press", 699 "Program".
700s (61): 700 "Pull", 701 "Push", 702 "Put", 703 "Percent", 704 "Pressure", 720 "Q", 721 "Quebec", 730 "R", 731 "Radio", 732 "Radios", 733 "Rain", 734 "Raise", 735 "Range", 736 "Rate", 737 "Ready", 738 "Receive", 739 "Receiver", 740 "Red", 741 "Release", 742 "Remark", 743 "Remote", 744 "Repair", 745 "Repeat", 746 "Repeater", 747 "Reset", 748 "Rig", 749 "Right", 750 "Road", 751 "Roger", 752 "Romeo", 753 "Route", 770 "S", 771 "Safe", 772 "Saturday", 773 "Scattered", 774 "Seconds", 775 "Security", 776 "Select", 777 "Send", 778 "Sent", 779 "September", 780 "Sequence", 781 "Service", 782 "Set", 783 "Severe", 784 "Short", 785 "Showers", 786 "Shut", 787 "Side", 788 "Sierra", 789 "Sleet", 790 "Slow", 791 "Snow", 792 "South", 793 "Speed", 794 "Squawk", 795 "Star", 796 "Start", 797 "Stop", 798 "Storm", 799 "Sunday".
800s (60): 800 "Switch", 801 "System", 802 "S_plural", 820 "T", 821 "Tango", 822 "Target", 823 "Telephone", 824 "Temperature", 825 "Terminal", 826 "Test", 827 "Than", 828 "Thank-You", 829 "That", 830 "The", 831 "The", 832 "Then", 833 "This", 834 "This-is", 835 "Thousand", 836 "Thunderstorm", 837 "Thursday", 838 "Time", 839 "Timer", 840 "Today", 841 "Tomorrow", 842 "Tonight", 843 "Tornado", 844 "Tower", 845 "Traffic", 846 "Transmit", 847 "Transmitter", 848 "Try", 849 "Tuesday", 850 "Turn", 851 "Type", 852 "Today's", 870 "U", 871 "Uniform", 872 "Unit", 873 "Unlimited", 874 "Until", 875 "Up", 876 "Use_noun", 877 "Use_verb", 880 "V", 881 "Variable", 882 "Verify", 883 "Version", 884 "Victor", 885 "Volts", 890 "W", 891 "Wait", 892 "Warning", 893 "Watch", 894 "Watts", 895 "Way", 896 "Weather", 897 "Wednesday", 898 "Week", 899 "Weekday".
900s (42): 900 "Welcome", 901 "Well-Done", 902 "West", 903 "What", 904 "Whiskey", 905 "Will", 906 "Wind", 907 "Windows", 908 "With", 909 "Wrong", 910 "Windchill", 920 "X", 921 "X-Ray", 930 "Y", 931 "Yankee", 932 "Year", 933 "Yellow", 934 "Yes", 935 "Yesterday", 936 "You", 937 "Your", 950 "Z", 951 "Zed", 952 "Zero", 953 "Zone", 954 "Zulu", 960 "[Pause 1]", 961 "[Pause 2]", 962 "[Pause 3]", 963 "[Pause 4]", 964 "[Chime 1]", 965 "[Chime 2]", 966 "[Chime 3]", 967 "[Gunshot]", 968 "[Laser]", 969 "[Phaser]", 970 "[Tic]", 971 "[Toc]", 972 "[Laughter]", 980 "[F Morning]", 981 "[F Afternoon]", 982 "[F Evening]".)";

// Word number -> print text, parsed from the listing above.
inline std::map<int, QString> expectedVocabulary()
{
    std::map<int, QString> words;
    static const QRegularExpression pair(QStringLiteral(R"re((\d{3}) "([^"]*)")re"));
    auto it = pair.globalMatch(QString::fromLatin1(kVocabularyListing));
    while (it.hasNext()) {
        const auto m = it.next();
        words.emplace(m.captured(1).toInt(), m.captured(2));
    }
    return words;
}

// The group line's own count, "(28)", for each hundred.
inline std::map<int, int> expectedGroupCounts()
{
    std::map<int, int> counts;
    static const QRegularExpression head(QStringLiteral(R"re(^(\d)00s \((\d+)\):)re"),
                                         QRegularExpression::MultilineOption);
    auto it = head.globalMatch(QString::fromLatin1(kVocabularyListing));
    while (it.hasNext()) {
        const auto m = it.next();
        counts.emplace(m.captured(1).toInt() * 100, m.captured(2).toInt());
    }
    return counts;
}

} // namespace quillon::testdata
